#include <array>
#include <string_view>

#include "story/story.h"

namespace story::en {

namespace {

// Given name first, as English readers expect; romanised in Hepburn without macrons.
constexpr std::array<std::string_view, 8> kHeroineNames = {
    "Keiko Kirishima", "Kyoko Morikawa", "Megumi Saotome", "Masami Shiraishi",
    "Akina Fujisaki",  "Ryoko Onuki",    "Kazumi Mizuno",  "Toshie Ayase",
};

}  // namespace

std::string_view HeroineName(int heroine) {
    if (heroine < 1 || heroine > static_cast<int>(kHeroineNames.size())) return {};
    return kHeroineNames[heroine - 1];
}

std::string_view BestFriendName() {
    return "Tsuyoshi Sakuma";
}

std::string_view AlbumFriendName() {
    return "Manabu Onodera";
}

}  // namespace story::en

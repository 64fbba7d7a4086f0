#include <array>
#include <string_view>

#include "story/story.h"

namespace story::en {

namespace {

// clang-format off
// Photos 0 to 5 are heroines 1 to 6, then the album friend and the best friend.
constexpr std::array<std::string_view, 8> kHints = {
    "Kirishima was student council president. There's nobody in school who doesn't know her face.",
    "Morikawa. She works part-time at the diner near my place.",
    "Saotome, huh... Seriously, how did Class B end up with so many more cute girls than us?",
    "Shiraishi... She always sat by the library window. I wonder if she's still somewhere in school.",
    "Fujisaki's an idol, she's even on TV. Even when we shared a class in second year, she was worlds away from a guy like me...",
    "Onuki, huh... We were in the same class in first year, but we haven't really talked lately.",
    "Onodera. He worked his tail off on the yearbook committee. My partner in crime.",
    "Tsuyoshi. My best friend since the day we started here.",
};
// clang-format on

}  // namespace

std::string_view AlbumHint(int photo) {
    if (photo < 0 || photo >= static_cast<int>(kHints.size())) return {};
    return kHints[photo];
}

std::string_view AlbumConfirmation() {
    return "That's right. She's the one I've liked all along. Whatever happens, I'm going to find her!";
}

}  // namespace story::en

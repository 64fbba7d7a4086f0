#include <array>
#include <string_view>

#include "story/story.h"

namespace story::ja {

namespace {

// Family name, ideographic space, given name. The data room finds a heroine by the first
// character of her family name, so the eight must all differ there.
constexpr std::array<std::string_view, 8> kHeroineNames = {
    "桐島　敬子", "森川　恭子", "早乙女　恵", "白石　雅美",
    "藤咲　昌奈", "大貫　亮子", "水野　和美", "綾瀬　敏恵",
};

}  // namespace

std::string_view HeroineName(int heroine) {
    if (heroine < 1 || heroine > static_cast<int>(kHeroineNames.size())) return {};
    return kHeroineNames[heroine - 1];
}

std::string_view BestFriendName() {
    return "佐久間　剛";
}

std::string_view AlbumFriendName() {
    return "小野寺　学";
}

}  // namespace story::ja

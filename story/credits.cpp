#include <array>
#include <string_view>

#include "story/story.h"

namespace story::ja {

namespace {

// 1 character pictures, music and programming; 2 backgrounds and music; 3 more music;
// 4 the album the memories came from; 5 the model of the best friend.
constexpr std::array<std::string_view, 5> kCredits = {
    "朝凪　トオル",      "月見里　ハル", "Sunny-Side Yuki", "星見ヶ丘高校　卒業アルバム",
    "永遠の親友　T.S君",
};

}  // namespace

std::string_view Credit(int number) {
    if (number < 1 || number > static_cast<int>(kCredits.size())) return {};
    return kCredits[number - 1];
}

}  // namespace story::ja

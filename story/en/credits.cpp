#include <array>
#include <string_view>

#include "story/story.h"

namespace story::en {

namespace {

// 1 character pictures, music and programming; 2 backgrounds and music; 3 more music;
// 4 the album the memories came from; 5 the model of the best friend. People keep their names,
// given name first.
constexpr std::array<std::string_view, 5> kCredits = {
    "Toru Asanagi",
    "Haru Yamanashi",
    "Sunny-Side Yuki",
    "The Hoshimigaoka High School Yearbook",
    "T.S., my best friend forever",
};

}  // namespace

std::string_view Credit(int number) {
    if (number < 1 || number > static_cast<int>(kCredits.size())) return {};
    return kCredits[number - 1];
}

}  // namespace story::en

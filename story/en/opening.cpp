#include <array>
#include <span>
#include <string_view>

#include "story/story.h"

namespace story::en {

namespace {

// clang-format off
constexpr std::array<std::string_view, 7> kOpening = {
    "Hoshimigaoka High School. The slanting March sun fell on the old cherry tree in the schoolyard, its buds still small and hard.",
    "The graduation ceremony had only just ended, and all over the school, people were still lingering to say their goodbyes.",
    "Looking back, they were three ordinary years. My grades sat right in the middle, and I never did anything worth mentioning in the computer club.",
    "And in the end, I never had a girlfriend. ...Maybe I just never had the nerve to take that one last step.",
    "But there's a girl I've had my eye on all this time. She's in the class next door, Class 3-B.",
    "The gate closes at five. That leaves thirty minutes. She has to be somewhere on campus still. ...I'm going to find her.",
    "I opened the yearbook they'd handed us just a little while ago. The class next door... here it is.",
};
// clang-format on

}  // namespace

std::span<const std::string_view> OpeningNarration() {
    return kOpening;
}

}  // namespace story::en

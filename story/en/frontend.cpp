#include <array>
#include <span>
#include <string_view>

#include "story/story.h"

namespace story::en {

namespace {

// clang-format off
// Shown once all eight girls have been won; it also gives away the hidden replay.
constexpr std::array<std::string_view, 5> kAnnouncement = {
    "Congratulations on winning every heart!",
    "Thank you so much for taking in the feelings of all eight girls.",
    "Here is your reward: hold down Shift and Ctrl and double-click a girl's icon.",
    "You can watch her confession once more. And if you hold Alt as well...?",
    "We hope to see you again someday at Hoshimigaoka High.",
};
// clang-format on

}  // namespace

std::string_view TitleMakerLine() {
    return "(C)1998-2000 Korvane";
}

std::string_view StartMenuCaption() {
    return "Manabu Onodera, one of your friends";
}

std::string_view AlbumFriendTooltip() {
    return "Manabu Onodera, your friend from the class next door";
}

std::string_view DataRoomAnnouncementTitle() {
    return "Congratulations!!";
}

std::span<const std::string_view> DataRoomAnnouncementLines() {
    return kAnnouncement;
}

}  // namespace story::en

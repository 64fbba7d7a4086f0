#include <array>
#include <span>
#include <string_view>

#include "story/story.h"

namespace story::ja {

namespace {

// clang-format off
// Shown once all eight girls have been won; it also gives away the hidden replay.
constexpr std::array<std::string_view, 5> kAnnouncement = {
    "全員クリア、おめでとうございます！",
    "八人の女の子たち、みんなの想いを受け止めてくれて、本当にありがとう。",
    "ごほうびです。女の子のアイコンを、Shift と Ctrl を押しながらダブルクリックしてみてください。",
    "その子の告白シーンを、もう一度見ることができます。Alt も一緒に押すと…？",
    "またいつか、星見ヶ丘高校で会いましょう。",
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
    return "隣のクラスの友達、小野寺　学";
}

std::string_view DataRoomAnnouncementTitle() {
    return "Congratulations!!";
}

std::span<const std::string_view> DataRoomAnnouncementLines() {
    return kAnnouncement;
}

}  // namespace story::ja

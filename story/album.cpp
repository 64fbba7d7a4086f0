#include <array>
#include <string_view>

#include "story/story.h"

namespace story::ja {

namespace {

// clang-format off
// Photos 0 to 5 are heroines 1 to 6, then the album friend and the best friend.
constexpr std::array<std::string_view, 8> kHints = {
    "桐島さんは生徒会長だったから、学校中で顔を知らない奴はいないよな。",
    "森川さんは、うちの近所のファミレスでバイトしてるコだ。",
    "早乙女さんか…。それにしても、Ｂ組はうちのクラスよりかわいいコが多いよなぁ。",
    "白石さん…。図書室の窓際にいた彼女は、まだ学校のどこかに残っているかな。",
    "藤咲さんはテレビにも出てるアイドルだ。二年で同じクラスだった頃から、俺なんかには遠い人だった…。",
    "大貫さんか…。一年の時は同じクラスだったけど、最近はあんまり話してないな。",
    "小野寺だ。アルバム委員で頑張ってた、俺の悪友さ。",
    "剛。入学したときからの、俺のいちばんの親友だ。",
};
// clang-format on

}  // namespace

std::string_view AlbumHint(int photo) {
    if (photo < 0 || photo >= static_cast<int>(kHints.size())) return {};
    return kHints[photo];
}

std::string_view AlbumConfirmation() {
    return "そうだ、俺が好きだったのはこのコだ。どうなってもいい、探しに行こう！";
}

}  // namespace story::ja

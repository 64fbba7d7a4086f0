#include <array>
#include <span>
#include <string_view>

#include "story/story.h"

namespace story::ja {

namespace {

// clang-format off
constexpr std::array<std::string_view, 7> kOpening = {
    "私立星見ヶ丘高校。傾きかけた三月の日差しが、まだつぼみの固い校庭の古い桜を照らしている。",
    "卒業式は、ついさっき終わったばかりだ。校内のあちこちで、みんながまだ別れを惜しんでいる。",
    "思えば、平凡な三年間だった。成績はいつも真ん中あたり、パソコン部ではこれといった成果も残せなかった。",
    "そして結局、彼女の一人もできなかった。…俺に、あと一歩踏み出す勇気が足りなかったのかもしれない。",
    "でも、ずっと気になっていたコがいる。隣のクラス、３年Ｂ組の女の子だ。",
    "校門が閉まるのは五時。あと三十分しかない。彼女はまだ、校内のどこかにいるはずだ。…探しに行こう。",
    "俺は、さっき受け取ったばかりの卒業アルバムを開いた。隣のクラスのページは…ここだ。",
};
// clang-format on

}  // namespace

std::span<const std::string_view> OpeningNarration() {
    return kOpening;
}

}  // namespace story::ja

#include <array>
#include <string_view>

#include "story/story.h"

namespace story::ja {

namespace {

// clang-format off
// The phone's screen holds about five characters by five lines, so a mail stays within 22
// characters, the date mail counting an eight-character family name. Index 0 is for a game in
// which no girl was picked in the album.
constexpr std::array<std::string_view, 7> kHintMails = {
    "まだ迷ってるのか？五時までに決めろよ！",
    "桐島は元生徒会長。礼儀正しくいけよ！",
    "森川はファミレスの子だ。普段どおりいけ！",
    "早乙女はコスプレ娘。衣装をほめてやれ！",
    "白石は園芸委員の子。静かに話してみな。",
    "藤咲はアイドルでも同級生。普通に接しろよ！",
    "大貫はテニス部の元部長。気取らず素直にな！",
};

// Mail 1: how he takes the hint about the girl he is looking for (0: nobody picked).
constexpr std::array<MailReactions, 7> kHintReactions = {{
    {"簡単に言ってくれるよな。誰を探すのかも、まだ決めてないのに…。",
     "でも、あいつの言うとおりだ。時間がない。とにかく歩きながら考えよう。"},
    {"なんで俺が桐島さんを探してるって知ってるんだ、あいつ…。",
     "礼儀正しく、か。まずは彼女を見つけないと始まらないな。"},
    {"剛のやつ、俺があの店に通ってる理由までお見通しなのか…？",
     "そうだよな、顔なじみなんだ。いつもどおりに話しかけよう。"},
    {"衣装をほめろ、か。アニメはあんまり詳しくないけど、それならできそうだ。",
     "まあ、なんとかなるだろう。とにかく早乙女さんを探そう。"},
    {"静かに、か。確かに、白石さんの前だとあがっちゃいそうだ。",
     "深呼吸をひとつして、俺はまた歩き出した。"},
    {"普通に接しろって…相手はテレビに出てるアイドルだぞ。",
     "でも、剛の言うとおりかもしれない。今日は同じ卒業生なんだ。"},
    {"素直に、か。大貫さんなら、回りくどいことは嫌いそうだもんな。",
     "よし、当たって砕けろだ。…いや、砕けたら困るけど。"},
}};

// The girl from the festival is the friend's girlfriend; the date mail comes back to her.
constexpr MailReactions kFestivalReactions = {
    "去年の文化祭…ああ、パソコン部の展示に剛が連れてきた、他校の子か。",
    "確かあのあと、二人は付き合い始めたんだっけ。…のろけなら、後で聞いてやるよ。",
};

constexpr MailReactions kDateReactions = {
    "行くわけないだろ。あいつ、わざわざ自慢するためにメールしてきたのか…。",
    "相手は、文化祭のあの子だな。返事は後回しにして、俺は携帯をポケットにしまった。",
};
// clang-format on

}  // namespace

std::string_view RingNarration() {
    return "ポケットの携帯が鳴った。この着メロは…剛のやつだな。";
}

std::string_view HintMail(int heroine) {
    if (heroine < 0 || heroine >= static_cast<int>(kHintMails.size())) return {};
    return kHintMails[heroine];
}

std::string_view FestivalMail() {
    return "去年の文化祭で連れてった子、覚えてるか？";
}

std::string_view DateMailBeforeName() {
    return "明日は彼女とデート！";
}

std::string_view DateMailAfterName() {
    return "も来る？";
}

MailReactions ReactionsToMail(int mailCount, int targetHeroine) {
    switch (mailCount) {
        case 1:
            if (targetHeroine < 0 || targetHeroine >= static_cast<int>(kHintReactions.size())) {
                return {};
            }
            return kHintReactions[targetHeroine];
        case 2:
            return kFestivalReactions;
        case 4:
            return kDateReactions;
        default:
            return {};
    }
}

std::string_view FiveOClockLine() {
    return "携帯なんかいじっているうちに、とうとう五時になってしまった…！";
}

}  // namespace story::ja

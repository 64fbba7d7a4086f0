#include <array>
#include <string_view>

#include "story/story.h"

namespace story {

namespace {

// clang-format off
// The phone's screen shows about five characters by five lines, so a mail stays short.
constexpr std::array<std::string_view, 6> kHintMails = {
    "桐島さんは元生徒会長。真面目な人だから、礼儀正しくいけよ！",
    "森川さんはファミレスのバイトの子。常連のお前なら話は早いぞ！",
    "早乙女はアニメ部のコスプレ娘。話を合わせてやれよ！",
    "白石さんは本と花が好きな子だ。落ち着いて話してみな。",
    "藤咲はアイドルだけど、特別扱いせず普通に接しろよ！",
    "大貫はテニス部の元気娘。気取らず素直にいけ！",
};

// Mail 1: how he takes the hint about the girl he is looking for.
constexpr std::array<MailReactions, 6> kHintReactions = {{
    {"なんで俺が桐島さんを探してるって知ってるんだ、あいつ…。",
     "礼儀正しく、か。まずは彼女を見つけないと始まらないな。"},
    {"剛のやつ、俺があの店に通ってる理由までお見通しなのか…？",
     "そうだよな、顔なじみなんだ。自信を持って話しかけよう。"},
    {"話を合わせろって言われても、アニメはあんまり詳しくないんだけどな…。",
     "まあ、なんとかなるだろう。とにかく早乙女さんを探そう。"},
    {"落ち着いて、か。確かに、白石さんの前だとあがっちゃいそうだ。",
     "深呼吸をひとつして、俺はまた歩き出した。"},
    {"普通に接しろって…相手はテレビに出てるアイドルだぞ。",
     "でも、剛の言うとおりかもしれない。今日は同じ卒業生なんだ。"},
    {"素直に、か。大貫さんなら、回りくどいことは嫌いそうだもんな。",
     "よし、当たって砕けろだ。…いや、砕けたら困るけど。"},
}};

constexpr MailReactions kFestivalReactions = {
    "去年の文化祭…？そういえば剛のやつ、誰か女の子を連れてきてたような…。",
    "…だめだ、思い出せない。今はそれどころじゃないしな。",
};

constexpr MailReactions kDateReactions = {
    "あいつ、わざわざ自慢するためにメールしてきたのか…。",
    "返事は後回しだ。俺は携帯をポケットにしまって、先を急いだ。",
};
// clang-format on

}  // namespace

std::string_view RingNarration() {
    return "ポケットの携帯が鳴った。この着メロは…剛のやつだな。";
}

std::string_view HintMail(int heroine) {
    if (heroine < 1 || heroine > static_cast<int>(kHintMails.size())) return {};
    return kHintMails[heroine - 1];
}

std::string_view FestivalMail() {
    return "去年の文化祭で俺が連れてった子、覚えてるか？";
}

std::string_view DateMailBeforeName() {
    return "明日は彼女と遊園地なんだ。";
}

std::string_view DateMailAfterName() {
    return "も来るか？…なーんてな！";
}

MailReactions ReactionsToMail(int mailCount, int targetHeroine) {
    switch (mailCount) {
        case 1:
            if (targetHeroine < 1 || targetHeroine > static_cast<int>(kHintReactions.size())) {
                return {};
            }
            return kHintReactions[targetHeroine - 1];
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

}  // namespace story

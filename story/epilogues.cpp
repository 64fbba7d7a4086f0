#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "story/story.h"

namespace story::ja {

namespace {

constexpr ScriptLine N(std::string_view text) {
    return {Speaker::Narration, text};
}
constexpr ScriptLine H(std::string_view text) {
    return {Speaker::Heroine, text};
}

// True when exactly the line `spoken` (counting from 1; 0 for none) is the heroine's.
template <std::size_t Size>
constexpr bool OnlySpokenLine(const std::array<ScriptLine, Size>& lines, std::size_t spoken) {
    for (std::size_t i = 0; i < Size; ++i) {
        if ((lines[i].speaker == Speaker::Heroine) != (i + 1 == spoken)) return false;
    }
    return true;
}

// clang-format off
constexpr std::array<ScriptLine, 8> kKeiko = {
    N("桐島さんとは、それから毎週のように会うようになった。"),
    N("春から別々の大学に通い始めたけど、週末はいつも一緒だ。"),
    N("初めてのデートは、彼女が三年間やりたかったテニスだった。二人ともへたくそで、ボールを拾ってばかりいた。"),
    N("生徒会長の肩書きを下ろした彼女は、驚くほどよく笑う女の子だった。"),
    H("「『会長』じゃない私を見てくれたのは、あなたが初めてなんです。…これからも、よろしくお願いしますね」"),
    N("今でも彼女は、大事な話をするときだけ、あの頃の堅い敬語に戻る。"),
    N("そのたびに俺が笑うと、彼女は頬をふくらませて、すねてみせるのだ。"),
    N("あの卒業式の日から、俺たちの新しい毎日が始まった。"),
};
static_assert(OnlySpokenLine(kKeiko, 5));

constexpr std::array<ScriptLine, 7> kKyoko = {
    N("あれから俺は、前にも増してあのファミレスに通うようになった。"),
    N("窓際のいつもの席。注文を取りに来るのは、もちろん森川さんだ。"),
    H("「ご注文はお決まりですか？…なーんてね。今日は私、もう上がりなんだ。一緒に帰ろ！」"),
    N("彼女は短大に通いながら、今もあの店で働いている。"),
    N("バイトが終わるのを待って、二人で夜道を歩いて帰るのが、俺たちの決まりになった。"),
    N("休みの日には、今度は二人でお客さんになって、よその店のメニューを食べ比べている。"),
    N("店長には「彼氏くん」なんて呼ばれるようになってしまったけど、それも悪くない。"),
};
static_assert(OnlySpokenLine(kKyoko, 3));

constexpr std::array<ScriptLine, 7> kMegumi = {
    N("早乙女さんとの付き合いは、想像していたよりずっとにぎやかだった。"),
    N("春から彼女はアニメの専門学校に通い、俺は休みのたびにイベントへ連れ出されている。"),
    N("新しい衣装の最初の一枚を撮るのは、いつも俺の役目だ。パソコン部で覚えた腕で、彼女のホームページも作った。"),
    N("彼女が学校で初めて作った短いアニメのエンドロールには、こっそり俺の名前が入っていた。"),
    H("「あたしの最高の相棒は、キミしかいないんだからね！次の衣装は、キミとおそろいだよっ！」"),
    N("…おそろいの衣装だけは、全力で断った。"),
    N("それでも、あの日の魔法少女は、今も俺の隣で元気に笑っている。"),
};
static_assert(OnlySpokenLine(kMegumi, 5));

constexpr std::array<ScriptLine, 5> kMasami = {
    N("校庭の桜が咲いた日、二人でもう一度あの木の下に立った。卒業式の日には、まだ固いつぼみだった。"),
    N("それからは、駅前の図書館で会うのが二人の習慣になった。彼女のすすめる本を読み、感想を話し合う。"),
    N("花の名前を、彼女はひとつ残らず知っていた。見慣れた街にも知らない景色があることを、俺は彼女に教わった。"),
    N("卒業式のスイートピーは押し花になって、今は彼女の本のしおりになっている。"),
    N("季節がひとつ巡るたび、二人で読んだ本が、本棚に一冊ずつ増えていく。"),
};
static_assert(OnlySpokenLine(kMasami, 0));

constexpr std::array<ScriptLine, 8> kAkina = {
    N("藤咲さんは、卒業してからも芸能活動を続けている。"),
    N("テレビの中の彼女は、番組の終わりにときどき、小さくピースをしてみせる。"),
    N("それが誰への合図なのか、その笑顔の向こうの素顔と一緒に、知っているのはたぶん俺だけだ。"),
    H("「今日ね、収録がんばったんだよ。…だから、ほめて。それから、ちょっとだけ甘えさせて」"),
    N("夜遅くにかかってくる電話で、彼女はいつもそう言う。"),
    N("会えるのは月に何度か。帽子とサングラスの彼女と、人の少ない公園を歩くだけだ。"),
    N("それでも、マネージャーさんには、とっくに気づかれているらしい。"),
    N("「泣かせたら承知しないわよ」と釘を刺されたのは、彼女には内緒にしている。"),
};
static_assert(OnlySpokenLine(kAkina, 4));

constexpr std::array<ScriptLine, 7> kRyoko = {
    N("卒業してすぐ、大貫さんは茨城の実家へ帰り、地元の大学でテニスを続けている。"),
    N("それからは週末ごとに、常磐線に揺られて彼女に会いに行っている。"),
    N("駅の改札で待つ彼女は、いつも周りが振り向くほど大きく手を振ってくれる。"),
    H("「よく来たね！今日はうちの畑で採れた野菜で、ごちそう作ってあげっから。いっぱい食べてって！」"),
    N("彼女の家族は、俺のことをすっかり家族の一員のように迎えてくれる。"),
    N("休みの日には、二人でテニスをする。俺はまだ、一度も彼女に勝てていない。"),
    N("気がつけば、俺の言葉にまで、彼女のなまりが少しうつってきた。"),
};
static_assert(OnlySpokenLine(kRyoko, 4));

constexpr std::array<ScriptLine, 7> kKazumi = {
    N("卒業してからも、水野さんとの付き合いは続いている。"),
    N("彼女はまだ高校生。放課後になると、制服のまま俺に会いに来てくれる。"),
    N("あの小さなファンクラブは、会長一人を残して、めでたく解散したらしい。"),
    N("理由を聞くと、彼女は顔を真っ赤にしてうつむいた。"),
    H("「だって…先輩は、もう『みんなの先輩』じゃなくて、私だけの先輩ですから！」"),
    N("そう言って笑う彼女に、俺はどうしてもかなわない。"),
    N("二年後の春には、今度は俺が、彼女の卒業を校門で迎える約束だ。"),
};
static_assert(OnlySpokenLine(kKazumi, 5));

constexpr std::array<ScriptLine, 7> kToshie = {
    N("敏恵とは、あれから前よりずっと近くなった。"),
    N("子供のころ毎日遊んだ近所の公園を、今は手をつないで歩いている。"),
    N("彼女は昔と同じように、俺の部屋に勝手に上がり込んでくる。"),
    N("母さんに言わせると、こうなるのは「とっくに分かっていた」らしい。"),
    H("「{given}君ってば、ほんとに鈍いんだから。私、ずっと前から待ってたんだよ？」"),
    N("そう言って、敏恵は子供のころと同じ顔で笑った。"),
    N("遠回りしたぶんだけ、これからはずっと一緒にいようと思う。"),
};
static_assert(OnlySpokenLine(kToshie, 5));
// clang-format on

constexpr std::array<std::span<const ScriptLine>, 8> kEpilogues = {
    kKeiko, kKyoko, kMegumi, kMasami, kAkina, kRyoko, kKazumi, kToshie,
};

}  // namespace

std::string_view EpilogueCommonLine() {
    return "こうして、俺の高校生活最後の一日は終わった。";
}

std::span<const ScriptLine> Epilogue(int heroine) {
    if (heroine < 1 || heroine > static_cast<int>(kEpilogues.size())) return {};
    return kEpilogues[heroine - 1];
}

}  // namespace story::ja

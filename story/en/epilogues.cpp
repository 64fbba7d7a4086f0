#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "story/story.h"

namespace story::en {

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
    N("After that, Kirishima and I started seeing each other almost every week."),
    N("In spring we went off to different universities, but our weekends were always together."),
    N("Our first date was tennis, the thing she'd wanted to do for three years. We were both terrible, and spent most of it picking up balls."),
    N("Once she set down the council president's title, she turned out to be a girl who laughed surprisingly often."),
    H("\"You were the first person to see me, and not 'the President'. ...Please keep looking at me that way.\""),
    N("Even now, whenever she has something important to say, she slips back into that stiff, formal way of talking."),
    N("And every time I laugh at it, she puffs out her cheeks and pretends to sulk."),
    N("Our new everyday life began on that graduation day."),
};
static_assert(OnlySpokenLine(kKeiko, 5));

constexpr std::array<ScriptLine, 7> kKyoko = {
    N("After that, I went to that diner even more often than before."),
    N("The usual seat by the window. And the one who comes to take my order is, of course, Morikawa."),
    H("\"Are you ready to order? ...Just kidding! My shift's over for today. Let's go home together!\""),
    N("She goes to junior college now, and still works at that same diner."),
    N("Waiting for her shift to end and walking home together through the night became our routine."),
    N("On our days off, we're the customers for a change, trying out the menus at other restaurants."),
    N("Her boss has started calling me \"the boyfriend,\" but I can't say I mind."),
};
static_assert(OnlySpokenLine(kKyoko, 3));

constexpr std::array<ScriptLine, 7> kMegumi = {
    N("Dating Saotome turned out to be far livelier than I'd imagined."),
    N("In spring she started at an anime college, and on every day off I get dragged along to some event."),
    N("Taking the first photo of each new costume is always my job. I built her a website, too, with what I learned in the computer club."),
    N("The end credits of the first short anime she made at school had my name slipped into them."),
    H("\"You're my one and only partner, you know! And my next costume is gonna be a matching set for the two of us!\""),
    N("...The matching costume, I refused with everything I had."),
    N("Even so, the magical girl from that day is still here beside me, laughing as brightly as ever."),
};
static_assert(OnlySpokenLine(kMegumi, 5));

constexpr std::array<ScriptLine, 5> kMasami = {
    N("The day the schoolyard cherry tree bloomed, we stood beneath it together again. On graduation day, it had still been all hard buds."),
    N("After that, meeting at the library by the station became our habit. I read the books she recommends, and we talk them over."),
    N("She knew the name of every single flower. She taught me that even a town I knew by heart had views I'd never seen."),
    N("The sweet peas from graduation were pressed, and now they mark her place in her books."),
    N("With every turn of the seasons, one more book we've read together joins the shelf."),
};
static_assert(OnlySpokenLine(kMasami, 0));

constexpr std::array<ScriptLine, 8> kAkina = {
    N("Even after graduation, Fujisaki kept working in show business."),
    N("Sometimes, at the end of a show, she flashes a tiny peace sign at the camera."),
    N("Who it's meant for, and the real face behind that smile... I'm probably the only one who knows."),
    H("\"I worked so hard at the taping today. ...So praise me. And then let me be a little spoiled.\""),
    N("That's what she always says when she calls late at night."),
    N("We get to meet a few times a month, just walking through a quiet park, her in her hat and sunglasses."),
    N("Even so, it seems her manager figured us out a long time ago."),
    N("\"You make her cry, and you'll answer to me.\" I still haven't told her about that warning."),
};
static_assert(OnlySpokenLine(kAkina, 4));

constexpr std::array<ScriptLine, 7> kRyoko = {
    N("Right after graduation, Onuki went home to Ibaraki, and she's still playing tennis at the local university."),
    N("Ever since, I've ridden the Joban Line out to see her every weekend."),
    N("Waiting at the ticket gate, she always waves so hard that people turn to look."),
    H("\"Good to see you! I'm cooking you a feast with veggies from our own field today. So you eat up, you hear?\""),
    N("Her family welcomes me as if I were already one of them."),
    N("On days off, the two of us play tennis. I still haven't beaten her once."),
    N("Before I knew it, a little of her accent had even rubbed off on me."),
};
static_assert(OnlySpokenLine(kRyoko, 4));

constexpr std::array<ScriptLine, 7> kKazumi = {
    N("Mizuno and I are still together, even now that I've graduated."),
    N("She's still in high school. After class, she comes to see me, still in her uniform."),
    N("That little fan club, I hear, has happily disbanded, leaving only its president."),
    N("When I asked her why, she turned bright red and looked down."),
    H("\"Because... you're not 'everyone's Senpai' anymore. You're my Senpai, and only mine!\""),
    N("When she laughs and says things like that, I never stand a chance."),
    N("Two springs from now, it'll be my turn to meet her at the school gate on her graduation day. That's a promise."),
};
static_assert(OnlySpokenLine(kKazumi, 5));

constexpr std::array<ScriptLine, 7> kToshie = {
    N("Since then, Toshie and I have grown much closer than before."),
    N("The park down the street where we played every day as kids: now we walk through it hand in hand."),
    N("Just like she used to, she lets herself into my room whenever she likes."),
    N("According to my mom, she \"saw this coming ages ago.\""),
    H("\"Honestly, {given}, you're so slow. I've been waiting for you since forever, you know?\""),
    N("Toshie laughed with the same face she had when we were kids."),
    N("We took the long way around, so from now on, I want us to stay together for good."),
};
static_assert(OnlySpokenLine(kToshie, 5));
// clang-format on

constexpr std::array<std::span<const ScriptLine>, 8> kEpilogues = {
    kKeiko, kKyoko, kMegumi, kMasami, kAkina, kRyoko, kKazumi, kToshie,
};

}  // namespace

std::string_view EpilogueCommonLine() {
    return "And so ended the last day of my high school life.";
}

std::span<const ScriptLine> Epilogue(int heroine) {
    if (heroine < 1 || heroine > static_cast<int>(kEpilogues.size())) return {};
    return kEpilogues[heroine - 1];
}

}  // namespace story::en

#include <array>
#include <string_view>

#include "story/story.h"

namespace story::en {

namespace {

// clang-format off
// The phone's screen holds four or five short lines, so a mail stays within about 45
// characters, the date mail counting the longest family name. Index 0 is for a game in which
// no girl was picked in the album.
constexpr std::array<std::string_view, 7> kHintMails = {
    "Go talk to somebody already, man!",
    "Kirishima's the ex-president. Be polite!",
    "Morikawa's the diner girl. Just be yourself!",
    "Saotome cosplays. Praise her outfit!",
    "Shiraishi tends the flowers. Talk softly.",
    "Fujisaki's an idol. Still, act normal!",
    "Onuki ran the tennis club. Be straight!",
};

// Mail 1: how he takes the hint about the girl he is looking for (0: nobody picked).
constexpr std::array<MailReactions, 7> kHintReactions = {{
    {"Easy for him to say. I haven't even decided who I'm looking for...",
     "Still, he's right. The clock's running. I'd better get moving."},
    {"How does he even know I'm looking for Kirishima...?",
     "Polite, huh. Well, first I have to find her."},
    {"Does Tsuyoshi know the real reason I keep going to that diner...?",
     "He's right, though. She knows my face. I'll just talk to her like always."},
    {"Praise her outfit, huh. I don't know much about anime, but I can manage that.",
     "I'll figure it out somehow. First I have to find Saotome."},
    {"Talk softly, huh. True, I'd probably get all tongue-tied around Shiraishi.",
     "I took one deep breath and started walking again."},
    {"Act normal? She's an idol who's on TV, man.",
     "But maybe Tsuyoshi's right. Today we're just two people graduating."},
    {"Be straight, huh. Yeah, Onuki doesn't seem the type for beating around the bush.",
     "All right. Go big or go home. ...Preferably not home."},
}};

// The girl from the festival is the friend's girlfriend; the date mail comes back to her.
constexpr MailReactions kFestivalReactions = {
    "Last year's festival... Oh, the girl from another school he brought to the computer club's exhibit.",
    "They started going out after that, didn't they? ...If he wants to gush, he can gush later.",
};

constexpr MailReactions kDateReactions = {
    "As if I'd go. Did he text me just to brag...?",
    "It's that girl from the festival. I'd answer him later. I slipped the phone back into my pocket.",
};
// clang-format on

}  // namespace

std::string_view RingNarration() {
    return "The phone in my pocket rang. That ringtone... Tsuyoshi, of course.";
}

std::string_view HintMail(int heroine) {
    if (heroine < 0 || heroine >= static_cast<int>(kHintMails.size())) return {};
    return kHintMails[heroine];
}

std::string_view FestivalMail() {
    return "Remember who I took to the festival?";
}

// The family name goes between the two halves.
std::string_view DateMailBeforeName() {
    return "Got a date! Coming, ";
}

std::string_view DateMailAfterName() {
    return "?";
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
    return "I was so busy messing with my phone that it hit five o'clock...!";
}

}  // namespace story::en

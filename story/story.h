#pragma once

// The game's own prose, in the player's language. Every text is UTF-8 and holds no line break;
// the Japanese can be encoded in CP932. Scenes replace the name placeholders with the player's
// names.

#include <span>
#include <string_view>

namespace story {

inline constexpr std::string_view kFamilyName = "{family}";
inline constexpr std::string_view kGivenName = "{given}";

enum class Speaker { Narration, Heroine };

struct ScriptLine {
    Speaker speaker;
    std::string_view text;
};

// Greetings of the fifteen timetable cells; empty texts for a cell nobody stands in.
struct Greeting {
    std::string_view onArrival;
    std::string_view whileWaiting;
};

struct MailReactions {
    std::string_view first;
    std::string_view second;
};

// The same tables in each language, keyed the same way. `ja` is the game's own edition and the
// one the save file and the clear record name things by; `en` mirrors it line for line.
// clang-format off
#define VELMORA_STORY_TABLES                                                                       \
    /* Display names: in Japanese family name, an ideographic space (U+3000), given name; in    \
       English given name, a space, family name. */                                             \
    std::string_view HeroineName(int heroine); /* 1 to 8 */                                     \
    std::string_view BestFriendName();                                                          \
    std::string_view AlbumFriendName();                                                         \
    Greeting GreetingAt(int location, int heroine);                                             \
    /* The seven lines before the album opens. */                                               \
    std::span<const std::string_view> OpeningNarration();                                       \
    /* The best friend's phone mails. */                                                        \
    std::string_view RingNarration();                                                           \
    /* About the heroine picked in the album, 1 to 6; 0 when nobody was. */                     \
    std::string_view HintMail(int heroine);                                                     \
    std::string_view FestivalMail();                                                            \
    std::string_view DateMailBeforeName();                                                      \
    std::string_view DateMailAfterName();                                                       \
    /* mailCount 1 (hint mail about targetHeroine), 2 (festival) or 4 (date). */                \
    MailReactions ReactionsToMail(int mailCount, int targetHeroine);                            \
    std::string_view FiveOClockLine();                                                          \
    /* Closing time. Heroines 1 to 6 have a mutual-love and a confession variant; 7 and 8 one   \
       scene each. */                                                                           \
    std::string_view GateClosedNarration();                                                     \
    std::string_view CalledFromBehindNarration();                                               \
    std::span<const ScriptLine> Confession(int heroine, bool mutualLove);                       \
    /* Epilogues: a common line, then the heroine's own lines (1 to 8). */                      \
    std::string_view EpilogueCommonLine();                                                      \
    std::span<const ScriptLine> Epilogue(int heroine);                                          \
    /* Staff roll credits 1 to 5. */                                                            \
    std::string_view Credit(int number);                                                        \
    /* Graduation album: hint lines of photos 0 to 7, and the line after the first pick. */     \
    std::string_view AlbumHint(int photo);                                                      \
    std::string_view AlbumConfirmation();                                                       \
    /* Front end. */                                                                            \
    std::string_view TitleMakerLine();                                                          \
    std::string_view StartMenuCaption();                                                        \
    std::string_view AlbumFriendTooltip();                                                      \
    std::string_view DataRoomAnnouncementTitle();                                               \
    std::span<const std::string_view> DataRoomAnnouncementLines();

// In the player's language (ui::CurrentLanguage()).
VELMORA_STORY_TABLES

namespace ja {
VELMORA_STORY_TABLES
}  // namespace ja

namespace en {
VELMORA_STORY_TABLES
}  // namespace en

#undef VELMORA_STORY_TABLES
// clang-format on

}  // namespace story

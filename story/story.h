#pragma once

// The game's own prose. Every text is UTF-8, holds no line break and can be encoded in CP932.
// Scenes replace the name placeholders with the player's names.

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

// Display names: family name, an ideographic space (U+3000), given name.
std::string_view HeroineName(int heroine);  // 1 to 8
std::string_view BestFriendName();
std::string_view AlbumFriendName();

// Greetings of the fifteen timetable cells; empty texts for a cell nobody stands in.
struct Greeting {
    std::string_view onArrival;
    std::string_view whileWaiting;
};
Greeting GreetingAt(int location, int heroine);

// The seven lines before the album opens.
std::span<const std::string_view> OpeningNarration();

// The best friend's phone mails.
std::string_view RingNarration();
std::string_view HintMail(int heroine);  // 1 to 6, about the heroine picked in the album
std::string_view FestivalMail();
std::string_view DateMailBeforeName();
std::string_view DateMailAfterName();
struct MailReactions {
    std::string_view first;
    std::string_view second;
};
// mailCount 1 (hint mail about targetHeroine), 2 (festival) or 4 (date).
MailReactions ReactionsToMail(int mailCount, int targetHeroine);
std::string_view FiveOClockLine();

// Closing time.
std::string_view GateClosedNarration();
std::string_view CalledFromBehindNarration();
// Heroines 1 to 6 have a mutual-love and a confession variant; 7 and 8 one scene each.
std::span<const ScriptLine> Confession(int heroine, bool mutualLove);

// Epilogues: a common line, then the heroine's own lines.
std::string_view EpilogueCommonLine();
std::span<const ScriptLine> Epilogue(int heroine);  // 1 to 8

// Staff roll credits 1 to 5.
std::string_view Credit(int number);

// Graduation album: hint lines of photos 0 to 7, and the line after the first pick click.
std::string_view AlbumHint(int photo);
std::string_view AlbumConfirmation();

// Front end.
std::string_view TitleMakerLine();
std::string_view StartMenuCaption();
std::string_view AlbumFriendTooltip();
std::string_view DataRoomAnnouncementTitle();
std::span<const std::string_view> DataRoomAnnouncementLines();

}  // namespace story

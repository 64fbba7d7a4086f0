// Each story text in the player's language. Both editions answer every call; the choice is made
// here, at the moment a screen asks, so a switch shows on the next line drawn.

#include "ui/language.h"
#include "story/story.h"

namespace story {

namespace {

bool English() {
    return ui::CurrentLanguage() == ui::Language::English;
}

}  // namespace

#define VELMORA_IN_LANGUAGE(call) return English() ? en::call : ja::call

// clang-format off
std::string_view HeroineName(int heroine) { VELMORA_IN_LANGUAGE(HeroineName(heroine)); }
std::string_view BestFriendName() { VELMORA_IN_LANGUAGE(BestFriendName()); }
std::string_view AlbumFriendName() { VELMORA_IN_LANGUAGE(AlbumFriendName()); }
Greeting GreetingAt(int location, int heroine) { VELMORA_IN_LANGUAGE(GreetingAt(location, heroine)); }
std::span<const std::string_view> OpeningNarration() { VELMORA_IN_LANGUAGE(OpeningNarration()); }
std::string_view RingNarration() { VELMORA_IN_LANGUAGE(RingNarration()); }
std::string_view HintMail(int heroine) { VELMORA_IN_LANGUAGE(HintMail(heroine)); }
std::string_view FestivalMail() { VELMORA_IN_LANGUAGE(FestivalMail()); }
std::string_view DateMailBeforeName() { VELMORA_IN_LANGUAGE(DateMailBeforeName()); }
std::string_view DateMailAfterName() { VELMORA_IN_LANGUAGE(DateMailAfterName()); }
MailReactions ReactionsToMail(int mailCount, int targetHeroine) { VELMORA_IN_LANGUAGE(ReactionsToMail(mailCount, targetHeroine)); }
std::string_view FiveOClockLine() { VELMORA_IN_LANGUAGE(FiveOClockLine()); }
std::string_view GateClosedNarration() { VELMORA_IN_LANGUAGE(GateClosedNarration()); }
std::string_view CalledFromBehindNarration() { VELMORA_IN_LANGUAGE(CalledFromBehindNarration()); }
std::span<const ScriptLine> Confession(int heroine, bool mutualLove) { VELMORA_IN_LANGUAGE(Confession(heroine, mutualLove)); }
std::string_view EpilogueCommonLine() { VELMORA_IN_LANGUAGE(EpilogueCommonLine()); }
std::span<const ScriptLine> Epilogue(int heroine) { VELMORA_IN_LANGUAGE(Epilogue(heroine)); }
std::string_view Credit(int number) { VELMORA_IN_LANGUAGE(Credit(number)); }
std::string_view AlbumHint(int photo) { VELMORA_IN_LANGUAGE(AlbumHint(photo)); }
std::string_view AlbumConfirmation() { VELMORA_IN_LANGUAGE(AlbumConfirmation()); }
std::string_view TitleMakerLine() { VELMORA_IN_LANGUAGE(TitleMakerLine()); }
std::string_view StartMenuCaption() { VELMORA_IN_LANGUAGE(StartMenuCaption()); }
std::string_view AlbumFriendTooltip() { VELMORA_IN_LANGUAGE(AlbumFriendTooltip()); }
std::string_view DataRoomAnnouncementTitle() { VELMORA_IN_LANGUAGE(DataRoomAnnouncementTitle()); }
std::span<const std::string_view> DataRoomAnnouncementLines() { VELMORA_IN_LANGUAGE(DataRoomAnnouncementLines()); }
// clang-format on

#undef VELMORA_IN_LANGUAGE

}  // namespace story

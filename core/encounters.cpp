#include "core/encounters.h"

#include <array>

#include "conversation/VelSerif.h"
#include "conversation/presenter.h"
#include "conversation/responses.h"
#include "core/GameState.h"
#include "core/campus.h"
#include "story/story.h"
#include "story/text.h"

namespace {

struct EncounterWindow {
    int first, last;
    std::array<int, kLocationCount + 1> heroineAt;  // by LocationId; 0 nobody
};

constexpr EncounterWindow kTimetable[] = {
    {3, 4, {0, 2, 1, 0, 0, 0, 0, 0}},   {6, 8, {0, 2, 1, 0, 0, 0, 6, 5}},
    {11, 13, {0, 2, 1, 0, 3, 4, 6, 5}}, {16, 18, {0, 0, 2, 3, 4, 0, 6, 5}},
    {21, 23, {0, 5, 6, 4, 0, 3, 1, 0}}, {26, 28, {0, 0, 0, 4, 0, 0, 0, 3}},
};

constexpr int kIgnoredPenalty = 3;
constexpr int kClassroom = 2;
constexpr int kWaitressHeroine = 2;

const EncounterWindow* WindowAt(int minute) {
    for (const auto& window : kTimetable)
        if (minute >= window.first && minute <= window.last) return &window;
    return nullptr;
}

// The greeting, then her conversation opens.
void Greet(int heroine, bool onArrival) {
    const int location = GameState.currentLocation;
    const story::Greeting greeting = story::GreetingAt(location, heroine);
    ShowLine(HeroinePictureCode(location, heroine, onArrival),
             story::Q(onArrival ? greeting.onArrival : greeting.whileWaiting),
             story::Q(story::HeroineName(heroine)));
    GameState.metStage[static_cast<size_t>(heroine)] = 1;
    OfferResponses(ConversationCode(location, heroine, onArrival));
}

}  // namespace

int HeroineAt(int minute, int location) {
    const EncounterWindow* window = WindowAt(minute);
    if (!window || location < 1 || location > kLocationCount) return 0;
    return window->heroineAt[static_cast<size_t>(location)];
}

bool InEncounterWindow(int minute) {
    return WindowAt(minute) != nullptr;
}

bool IsWindowStart(int minute) {
    for (size_t i = 1; i < std::size(kTimetable); ++i)
        if (kTimetable[i].first == minute) return true;
    return false;
}

QString HeroinePictureCode(int location, int heroine, bool onArrival) {
    // Heroine 2 in the classroom has two pictures of her own, for coming and for being found.
    const QString variant = location == kClassroom && heroine == kWaitressHeroine
                                ? (onArrival ? QStringLiteral("A") : QStringLiteral("B"))
                                : QStringLiteral("C");
    return QStringLiteral("C3") + QString::number(location) + QString::number(heroine) + variant;
}

QString ConversationCode(int location, int heroine, bool onArrival) {
    return QString::number(location) + QString::number(heroine) +
           (onArrival ? QStringLiteral("A") : QStringLiteral("B"));
}

void MeetOnArrival() {
    const int heroine = HeroineAt(GameState.elapsedMinutes, GameState.currentLocation);
    if (heroine == 0 || GameState.metStage[static_cast<size_t>(heroine)] != 0)
        return ShowNobodyHere();
    Greet(heroine, true);
}

void MeetWhileWaiting() {
    if (!IsWindowStart(GameState.elapsedMinutes)) return;
    const int heroine = HeroineAt(GameState.elapsedMinutes, GameState.currentLocation);
    if (heroine == 0) return;
    if (GameState.metStage[static_cast<size_t>(heroine)] != 0) return ShowNobodyHere();
    Greet(heroine, false);
}

void ShowNobodyHere() {
    ShowLine(
        LocationPictureCode(GameState.currentLocation),
        QStringLiteral(
            "着いたけど、誰もいないようだ。誰か来るまで待っていようかな。それとも、他の場所に行こうか。"),
        QString());
    GameState.pendingConversation.clear();
    GameState.phase = Phase::Idle;
    UpdateTravelButtons();
}

void IgnoredTimeout() {
    GameRecord& g = GameState;
    ShowLine(
        LocationPictureCode(g.currentLocation),
        QStringLiteral("しゃべらずに無視をしていたら、彼女は行ってしまった。悪いことをしたな。"),
        QString());
    const auto heroine = static_cast<size_t>(g.pendingConversation.mid(1, 1).toInt());
    g.affection[heroine] = static_cast<int16_t>(g.affection[heroine] - kIgnoredPenalty);
    g.pendingConversation.clear();
    VelSerif.Unload();
    g.phase = Phase::Idle;
    UpdateTravelButtons();
}

void LeavingTimeout() {
    HeroineLeaves();
}

void HeroineLeaves() {
    ShowLine(LocationPictureCode(GameState.currentLocation),
             QStringLiteral("彼女は用事を思い出したらしく、どこかへ行ってしまった。"), QString());
    GameState.pendingConversation.clear();
}

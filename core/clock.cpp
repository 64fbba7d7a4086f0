#include "core/clock.h"

#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/encounters.h"
#include "core/phonemail.h"
#include "core/travel.h"
#include "endings/closing.h"

namespace {

constexpr int kMeetingEvery = 5;  // heroines come at minutes 6, 11, ... and leave at 5, 10, ...
constexpr int kMailBeforeArrival = 2;

}  // namespace

void ClockTick() {
    GameRecord& g = GameState;
    ++g.elapsedMinutes;

    if (g.elapsedMinutes >= kMinutesUntilClosing) {
        VelMain->lblClock->SetCaption(ClockText(g.elapsedMinutes));
        // A mail being read holds closing time back until it has ended.
        if (g.phase != Phase::PhoneMail) PlayClosingTime();
        return;
    }
    VelMain->lblClock->SetCaption(ClockText(g.elapsedMinutes));

    const int minuteOfFive = g.elapsedMinutes % kMeetingEvery;
    if (minuteOfFive == 1 && g.phase == Phase::Idle) MeetWhileWaiting();
    if (minuteOfFive == 0 && !g.pendingConversation.isEmpty() && g.phase == Phase::AwaitingReply)
        IgnoredTimeout();
    if (minuteOfFive == 0 && !g.pendingConversation.isEmpty() && g.phase == Phase::Idle)
        LeavingTimeout();

    if (g.phase == Phase::Walking) {
        if (g.elapsedMinutes < g.arrivalMinute) {
            if (g.arrivalMinute - g.elapsedMinutes == kMailBeforeArrival) ReceivePhoneMail();
        } else {
            ArriveAtDestination();
        }
    }
}

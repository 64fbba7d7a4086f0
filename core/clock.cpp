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

ClockTickSteps& ClockSteps() {
    static ClockTickSteps steps{
        PlayClosingTime, MeetWhileWaiting, IgnoredTimeout,
        LeavingTimeout,  ReceivePhoneMail, ArriveAtDestination,
    };
    return steps;
}

void ClockTick() {
    GameRecord& g = GameState;
    const ClockTickSteps& steps = ClockSteps();
    ++g.elapsedMinutes;

    if (g.elapsedMinutes >= kMinutesUntilClosing) {
        VelMain->lblClock->SetCaption(ClockText(g.elapsedMinutes));
        // A mail being read holds closing time back until it has ended.
        if (g.phase != Phase::PhoneMail) steps.playClosingTime();
        return;
    }
    VelMain->lblClock->SetCaption(ClockText(g.elapsedMinutes));

    const int minuteOfFive = g.elapsedMinutes % kMeetingEvery;
    if (minuteOfFive == 1 && g.phase == Phase::Idle) steps.meetWhileWaiting();
    if (minuteOfFive == 0 && !g.pendingConversation.isEmpty() && g.phase == Phase::AwaitingReply)
        steps.ignoredTimeout();
    if (minuteOfFive == 0 && !g.pendingConversation.isEmpty() && g.phase == Phase::Idle)
        steps.leavingTimeout();

    if (g.phase == Phase::Walking) {
        if (g.elapsedMinutes < g.arrivalMinute) {
            if (g.arrivalMinute - g.elapsedMinutes == kMailBeforeArrival) steps.receivePhoneMail();
        } else {
            steps.arrive();
        }
    }
}

#include "core/clock.h"

#include "core/GameState.h"
#include "core/encounters.h"

namespace {

constexpr int kMeetingEvery = 5;  // heroines come at minutes 6, 11, ... and leave at 5, 10, ...
constexpr int kMailBeforeArrival = 2;

}  // namespace

MinuteEvent AdvanceMinute(GameRecord& g) {
    ++g.elapsedMinutes;
    if (g.elapsedMinutes >= kMinutesUntilClosing)
        return g.phase == Phase::PhoneMail ? MinuteEvent::ClosingHeldByMail
                                           : MinuteEvent::ClosingTime;
    const int minuteOfFive = g.elapsedMinutes % kMeetingEvery;
    const bool talking = !g.pendingConversation.isEmpty();
    switch (g.phase) {
        case Phase::Idle:
            if (minuteOfFive == 1 && IsWindowStart(g.elapsedMinutes))
                return MinuteEvent::HeroineComes;
            if (minuteOfFive == 0 && talking) return MinuteEvent::AnsweredHeroineLeaves;
            return MinuteEvent::Nothing;
        case Phase::AwaitingReply:
            return minuteOfFive == 0 && talking ? MinuteEvent::IgnoredHeroineLeaves
                                                : MinuteEvent::Nothing;
        case Phase::Walking:
            if (g.elapsedMinutes >= g.arrivalMinute) return MinuteEvent::Arrival;
            return g.arrivalMinute - g.elapsedMinutes == kMailBeforeArrival
                       ? MinuteEvent::PhoneRings
                       : MinuteEvent::Nothing;
        default:
            return MinuteEvent::Nothing;
    }
}

QString ClockText(int elapsedMinutes) {
    if (elapsedMinutes >= kMinutesUntilClosing) return QStringLiteral("5:00 PM");
    return QStringLiteral("4:%1 PM").arg(30 + elapsedMinutes);
}

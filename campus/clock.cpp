#include "campus/clock.h"

#include "campus/CampusScreen.h"
#include "campus/meetings.h"
#include "campus/phonemail.h"
#include "campus/responses.h"
#include "campus/walks.h"
#include "core/GameState.h"
#include "core/clock.h"

void ClockTick() {
    const MinuteEvent event = AdvanceMinute(GameState);
    CampusScreen->clockLabel->SetCaption(ClockText(GameState.elapsedMinutes));
    switch (event) {
        case MinuteEvent::ClosingTime:
            if (CampusScreen->onClosingTime) CampusScreen->onClosingTime();
            break;
        case MinuteEvent::HeroineComes:
            MeetWhileWaiting();
            break;
        case MinuteEvent::IgnoredHeroineLeaves:
            IgnoredTimeout();
            break;
        case MinuteEvent::AnsweredHeroineLeaves:
            HeroineLeaves();
            break;
        case MinuteEvent::PhoneRings:
            ReceivePhoneMail();
            break;
        case MinuteEvent::Arrival:
            ArriveAtDestination();
            break;
        case MinuteEvent::ClosingHeldByMail:  // the mail scene ends it
        case MinuteEvent::Nothing:
            break;
    }
}

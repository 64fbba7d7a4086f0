#include "campus/meetings.h"

#include <QCoreApplication>

#include "campus/presenter.h"
#include "campus/responses.h"
#include "core/GameState.h"
#include "core/encounters.h"
#include "core/places.h"
#include "story/story.h"
#include "story/text.h"

namespace {

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

void MeetOnArrival() {
    const int heroine = HeroineAt(GameState.elapsedMinutes, GameState.currentLocation);
    if (heroine == 0 || GameState.metStage[static_cast<size_t>(heroine)] != 0)
        return ShowNobodyHere();
    Greet(heroine, true);
}

void MeetWhileWaiting() {
    const int heroine = HeroineAt(GameState.elapsedMinutes, GameState.currentLocation);
    if (heroine == 0) return;
    if (GameState.metStage[static_cast<size_t>(heroine)] != 0) return ShowNobodyHere();
    Greet(heroine, false);
}

void ShowNobodyHere() {
    ShowLine(
        LocationPictureCode(GameState.currentLocation),
        QCoreApplication::translate(
            "Campus",
            "着いたけど、誰もいないようだ。誰か来るまで待っていようかな。それとも、他の場所に行こうか。"),
        QString());
    GameState.pendingConversation.clear();
    GameState.phase = Phase::Idle;
    UpdateTravelButtons();
}

#include "tests/support/campus.h"

#include <cstdio>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "core/GameState.h"
#include "frontend/session.h"
#include "tests/support/player.h"
#include "ui/runtime.h"

void ResumeAt(int location, int minute, int target) {
    GameState.currentLocation = static_cast<int16_t>(location);
    GameState.elapsedMinutes = static_cast<int16_t>(minute);
    GameState.targetHeroine = static_cast<int16_t>(target);
    StartSession(true);
}

void Walk(int button) {
    driver::Click(&CampusScreen->travelButtons(button));
}

std::function<bool()> IdleAt(int location) {
    return [location] {
        return GameState.phase == Phase::Idle && GameState.currentLocation == location;
    };
}

bool Idle() {
    return GameState.phase == Phase::Idle;
}

std::function<bool()> AtMinute(int minute) {
    return [minute] { return GameState.elapsedMinutes == minute; };
}

QString Line() {
    return CampusScreen->lineLabel->Caption();
}

QString Clock() {
    return CampusScreen->clockLabel->Caption();
}

const QString kNobodyHere = QStringLiteral(
    "着いたけど、誰もいないようだ。誰か来るまで待っていようかな。それとも、他の場所に行こうか。");

bool Asked() {
    return GameState.phase == Phase::AwaitingReply && AnswerWindow.IsLoaded();
}

void PlayToTheEnd(Player& player) {
    QString caption;
    player.Then(
        "the gate", [] { return GameState.phase == Phase::ClosingTime; },
        [&] { caption = CampusScreen->Caption(); }, Seconds(600));
    ui::AtEndProgram([&] {
        std::fprintf(stderr, "ending=%d caption=%s lines:\n%s\n", GameState.endingHeroine,
                     caption.toUtf8().constData(),
                     player.clickedThrough.join('\n').toUtf8().constData());
    });
    player.Run(
        "the program ends", [] { return false; }, Seconds(600));
}

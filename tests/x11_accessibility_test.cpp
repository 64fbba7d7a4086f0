// What a screen reader learns from the campus screen and the answer window. Qt sends
// accessibility events only while an accessibility bus is enabled, which the offscreen platform
// never has: this runs under a real X server with a bus of its own (x11_run --accessibility-bus).
#include <gtest/gtest.h>
#include <QAccessible>
#include <QHash>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "core/GameState.h"
#include "frontend/session.h"
#include "story/story.h"
#include "story/text.h"
#include "tests/support/player.h"

namespace {

// The last name each object was heard to take.
QHash<QObject*, QString> heard;

void Listen(QAccessibleEvent* event) {
    if (event->type() == QAccessible::NameChanged)
        heard[event->object()] = event->accessibleInterface()->text(QAccessible::Name);
}

QString Text(QWidget* control, QAccessible::Text which) {
    return QAccessible::queryAccessibleInterface(control)->text(which);
}

TEST(X11, AScreenReaderHearsEachLineWithItsSpeakerAndTheFiveAnswers) {
    // Qt turns accessibility on once the bus has told it where to connect.
    ASSERT_TRUE(WaitForEvents([] { return QAccessible::isActive(); }))
        << "the accessibility bus did not turn on";
    QAccessible::installUpdateHandler(Listen);
    BeginTestGame();
    const QString she = story::Q(story::HeroineName(6));
    Player player(7);
    player
        .Now([] {
            GameState.currentLocation = 6;  // the tennis court at 4:35, where heroine 6 comes
            GameState.elapsedMinutes = 5;
            GameState.targetHeroine = 1;
            StartSession(true);
        })
        .Then(
            "she asks", [] { return AnswerWindow.IsLoaded() && AnswerWindow->isVisible(); },
            [&] {
                CampusScreenForm& campus = *CampusScreen;
                EXPECT_EQ(heard.value(campus.lineLabel), she + "、" + campus.lineLabel->Caption());
                EXPECT_EQ(Text(campus.scenePicture, QAccessible::Name), "テニスコートの" + she);
                EXPECT_EQ(Text(&campus.travelButtons(3), QAccessible::Name), "体育館へ行く");
                EXPECT_EQ(Text(&campus.travelButtons(3), QAccessible::Description),
                          "体育館まで歩きます。ここから歩いて1分かかります。");
                EXPECT_EQ(Text(&campus.travelButtons(0), QAccessible::Description),
                          "校舎Ａまで歩きます。ここからは直接行けません。");
                EXPECT_EQ(Text(&campus.travelButtons(2), QAccessible::Name), "校庭へ行く");

                QString all = "返事は…";
                for (int i = 0; i < kOfferedLines; ++i) {
                    QWidget* answer = &AnswerWindow->answerButtons(i);
                    const QString line =
                        QString::number(i + 1) + "　" + AnswerWindow->answerButtons(i).text();
                    EXPECT_EQ(Text(answer, QAccessible::Name), line);
                    all += "　" + line;
                }
                EXPECT_EQ(heard.value(AnswerWindow->promptLabel), all);
                driver::Click(&AnswerWindow->answerButtons(2));
                // Her reply is news too, with her name from the greeting before it.
                EXPECT_EQ(heard.value(campus.lineLabel), she + "、" + campus.lineLabel->Caption());
            },
            ByMinute(6))
        .Run(
            "she has her answer", [] { return GameState.phase == Phase::Idle; }, ByMinute(6));
    QAccessible::installUpdateHandler(nullptr);
    EndTestGame();
}

}  // namespace

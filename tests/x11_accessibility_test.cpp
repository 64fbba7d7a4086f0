// What a screen reader learns from the campus screen and the answer window. Qt sends
// accessibility events only while an accessibility bus is enabled, which the offscreen platform
// never has: this runs under a real X server with a bus of its own (x11_run --accessibility-bus).
#include <gtest/gtest.h>
#include <QAccessible>
#include <QStringList>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "core/GameState.h"
#include "story/story.h"
#include "story/text.h"
#include "tests/support/campus.h"
#include "tests/support/player.h"

namespace {

// What a screen reader was told to speak at once, in order: the names of the notifications that
// showed. Orca speaks these whatever has the keyboard; it drops the changes of a label's name.
QStringList heard;

void Listen(QAccessibleEvent* event) {
    if (event->type() != QAccessible::ObjectShow) return;
    QAccessibleInterface* shown = event->accessibleInterface();
    if (shown && shown->role() == QAccessible::Notification)
        heard.append(shown->text(QAccessible::Name));
}

QString Text(QWidget* control, QAccessible::Text which) {
    return QAccessible::queryAccessibleInterface(control)->text(which);
}

using story::Q;

TEST(X11, AScreenReaderHearsEachLineWithItsSpeakerTheMailAndTheFiveAnswers) {
    // Qt turns accessibility on once the bus has told it where to connect.
    ASSERT_TRUE(WaitForEvents([] { return QAccessible::isActive(); }))
        << "the accessibility bus did not turn on";
    QAccessible::installUpdateHandler(Listen);
    BeginTestGame();
    for (int h = 1; h <= kCampusHeroines; ++h) GameState.affection[static_cast<size_t>(h)] = 2;
    const QString friendName = Q(story::BestFriendName());
    const QString she = Q(story::HeroineName(2));
    Player player(7);
    player
        .Now([] {
            ResumeAt(3, 1, 2);
            Walk(0);  // three minutes to the rooftop, with a mail on the way
        })
        .Then(
            "she asks", Asked,
            [&] {
                EXPECT_TRUE(heard.contains(Q(story::RingNarration())));
                EXPECT_TRUE(heard.contains(friendName + "、" + Q(story::HintMail(2))));
                EXPECT_EQ(heard.value(heard.size() - 2), she + "、" + Line());
                EXPECT_EQ(Text(CampusScreen->scenePicture, QAccessible::Name),
                          "校舎Ａ：屋上の" + she);
                EXPECT_EQ(Text(&CampusScreen->travelButtons(2), QAccessible::Name), "校庭へ行く");
                EXPECT_EQ(Text(&CampusScreen->travelButtons(2), QAccessible::Description),
                          "校庭まで歩きます。ここから歩いて3分かかります。");
                EXPECT_EQ(Text(&CampusScreen->travelButtons(5), QAccessible::Description),
                          "コートまで歩きます。ここからは直接行けません。");

                QString all = "返事は…";
                for (int i = 0; i < kOfferedLines; ++i) {
                    QWidget* answer = &AnswerWindow->answerButtons(i);
                    const QString line =
                        QString::number(i + 1) + "　" + AnswerWindow->answerButtons(i).text();
                    EXPECT_EQ(Text(answer, QAccessible::Name), line);
                    all += "　" + line;
                }
                EXPECT_EQ(heard.value(heard.size() - 1), all);
                driver::Click(&AnswerWindow->answerButtons(2));
                // Her reply is news too, with her name from the greeting before it.
                EXPECT_EQ(heard.value(heard.size() - 1), she + "、" + Line());
            },
            ByMinute(4))
        .Run("she has her answer", Idle, ByMinute(5));
    QAccessible::installUpdateHandler(nullptr);
    EndTestGame();
}

}  // namespace

// The last minutes of the day: what 4:58, 4:59 and 5:00 PM bring, each pinned a minute either
// side, in game time.

#include <cstdio>

#include <gtest/gtest.h>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "core/GameState.h"
#include "story/story.h"
#include "story/text.h"
#include "tests/support/campus.h"
#include "tests/support/player.h"

namespace {

using story::Q;

const QString kMayMissTheGate =
    QStringLiteral("に向かって歩きだしたけど、はたして閉門時刻に間に合うだろうか。");

// Travel buttons: button i leads to place i + 1.
constexpr int kToSchoolyard = 2;
constexpr int kToPool = 4;
constexpr int kToGarden = 6;

// Every campus heroine starts at affection 2.
class FiveOClock : public testing::Test {
  protected:
    void SetUp() override { NewGame(); }
    void TearDown() override { EndTestGame(); }

    void NewGame() {
        BeginTestGame();
        for (int h = 1; h <= kCampusHeroines; ++h) GameState.affection[static_cast<size_t>(h)] = 2;
        closedAt = -1;
    }
    // Resumes there with heroine 3 picked. The first five o'clock is noted instead of played, so
    // that the game, which ends after the confession, stays in this process; the clock runs on,
    // so that a step waiting for a minute that never comes fails at its deadline.
    void Resume(int location, int minute) {
        ResumeAt(location, minute, 3);
        CampusScreen->onClosingTime = [this] {
            if (closedAt >= 0) return;
            closedAt = GameState.elapsedMinutes;
            closedIn = GameState.phase;
        };
    }

    int closedAt = -1;
    Phase closedIn = Phase::BeforePlay;
};

// A walk due at 4:58 or later is warned of the gate, one due at 4:57 is not. The last window of
// the timetable still greets at 4:58 and is over at 4:59. The gate closes at 5:00, not before.
TEST_F(FiveOClock, WalksDueFrom458AreWarnedTheLastGreetingIsAt458AndTheGateClosesAt500) {
    Player player(7);
    player
        .Now([this] {
            Resume(1, 25);  // the rooftop at 4:55
            Walk(kToPool);  // two minutes: due at 4:57
            EXPECT_EQ(Line(), "プールに向かって歩きだした。あそこまでは2分くらいかかる。");
        })
        .Then(
            "the pool at 4:57", IdleAt(5),
            [] {
                EXPECT_EQ(GameState.elapsedMinutes, 27);
                EXPECT_EQ(Line(), kNobodyHere);
                Walk(kToGarden);  // one minute: due at 4:58
                EXPECT_EQ(Line(), "自然園" + kMayMissTheGate);
            },
            ByMinute(27))
        .Then(
            "heroine 3 in the garden at 4:58", Asked,
            [] {
                EXPECT_EQ(GameState.elapsedMinutes, 28);
                EXPECT_EQ(GameState.pendingConversation, "73A");
                driver::Click(&AnswerWindow->answerButtons(0));
                Walk(kToSchoolyard);
            },
            ByMinute(28))
        .Then(
            "the schoolyard at 4:59", IdleAt(3),
            [this] {
                EXPECT_EQ(GameState.elapsedMinutes, 29);
                // Heroine 4 stood here until 4:58; unmet, she is gone all the same.
                EXPECT_EQ(Line(), kNobodyHere);
                EXPECT_EQ(GameState.metStage[4], 0);
                EXPECT_EQ(Clock(), "4:59 PM");
                EXPECT_EQ(closedAt, -1);
            },
            ByMinute(29))
        .Run(
            "the gate", [this] { return closedAt >= 0; }, ByMinute(30));
    EXPECT_EQ(closedAt, 30);
    EXPECT_EQ(closedIn, Phase::Idle);
    EXPECT_EQ(Clock(), "5:00 PM");
}

// A walk due at 5:00 rings at 4:58. A mail read by 4:59 ends as any other, and the walk still
// never arrives: the gate closes at 5:00. A mail still open at 5:00 holds the gate as long as it
// stays open, ends with the five o'clock line, and the gate closes at the minute after it.
TEST_F(FiveOClock, AMailReadBy459EndsPlainlyOneOpenAt500HoldsTheGateUntilItEnds) {
    for (const int readAt : {29, 30, 31}) {
        SCOPED_TRACE(readAt);
        NewGame();
        Player player(7);
        player.autoClick = false;  // he lets the mail wait
        player
            .Now([this] {
                Resume(1, 27);        // the rooftop at 4:57
                Walk(kToSchoolyard);  // three minutes: due at 5:00
                EXPECT_EQ(Line(), "校　庭" + kMayMissTheGate);
            })
            .Then(
                "the phone rings", [] { return GameState.phase == Phase::PhoneMail; },
                [] { EXPECT_EQ(GameState.elapsedMinutes, 28); }, ByMinute(28))
            .Then(
                "he reads it", AtMinute(readAt),
                [&] {
                    EXPECT_EQ(GameState.phase, Phase::PhoneMail);
                    EXPECT_EQ(Clock(), readAt == 29 ? "4:59 PM" : "5:00 PM");
                    EXPECT_EQ(closedAt, -1);
                    player.autoClick = true;
                },
                ByMinute(readAt))
            .Run(
                "the mail ends", [] { return GameState.phase == Phase::Walking; }, Seconds(10));
        EXPECT_EQ(GameState.elapsedMinutes, readAt);
        EXPECT_EQ(player.clickedThrough.contains(Q(story::FiveOClockLine())), readAt >= 30);
        EXPECT_EQ(closedAt, -1);
        player.Run(
            "the gate", [this] { return closedAt >= 0; }, ByMinute(readAt + 1));
        EXPECT_EQ(closedAt, readAt + 1);
        EXPECT_EQ(closedIn, Phase::Walking);
        EXPECT_EQ(GameState.currentLocation, 1);  // he never arrived
        EndTestGame();
    }
}

// Heroine 3 greets him at 4:58 and he never answers. At 4:59 she still waits; at 5:00 the gate
// comes before any five-minute mark could send her away, so she keeps her affection and confesses.
TEST_F(FiveOClock, AGreetingStillOpenAt500CostsNothingAndSheConfesses) {
    EXPECT_EXIT(
        {
            GameState.affection[3] = 5;
            Player player(7);
            auto note = [](const char* when) {
                std::fprintf(stderr, "%s: minute %d phase %d question %d affection %d\n", when,
                             GameState.elapsedMinutes, static_cast<int>(GameState.phase),
                             AnswerWindow.IsLoaded(), GameState.affection[3]);
            };
            player
                .Now([] {
                    ResumeAt(5, 27, 3);  // the pool at 4:57
                    Walk(kToGarden);
                })
                .Then(
                    "her greeting", Asked, [&] { note("greeted"); }, ByMinute(28))
                .Then(
                    "4:59", AtMinute(29), [&] { note("4:59"); }, ByMinute(29))
                .Then(
                    "5:00", [] { return GameState.phase == Phase::ClosingTime; },
                    [&] { note("the gate"); }, ByMinute(30));
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0),
        "greeted: minute 28 phase 2 question 1 affection 5\n"
        "4:59: minute 29 phase 2 question 1 affection 5\n"
        "the gate: minute 30 phase 5 question 0 affection 5\n"
        "(.|\n)*ending=3 ");
}

}  // namespace

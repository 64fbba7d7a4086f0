#include <gtest/gtest.h>
#include <QTest>

#include "conversation/presenter.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/clock.h"
#include "tests/support/driver.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

// Each test starts from a fresh record with the clock's scenes replaced by recorders.
class CampusTest : public testing::Test {
  protected:
    void SetUp() override {
        GameState = GameRecord{};
        saved_ = ClockSteps();
        auto record = [this](const char* name) {
            return [this, name] { ran.append(QString::fromLatin1(name)); };
        };
        ClockSteps() = {record("closing"), record("meetWhileWaiting"),
                        record("ignored"), record("leaving"),
                        record("mail"),    record("arrive")};
        VelMain->Show();
    }
    void TearDown() override {
        ClockSteps() = saved_;
        VelMain.Unload();
    }

    QStringList TickAt(Phase phase, int minuteAfterTick, bool pending, int arrival = 0) {
        ran.clear();
        GameState.phase = phase;
        GameState.elapsedMinutes = static_cast<int16_t>(minuteAfterTick - 1);
        GameState.pendingConversation = pending ? QStringLiteral("21A") : QString();
        GameState.arrivalMinute = static_cast<int16_t>(arrival);
        ClockTick();
        return ran;
    }

    QStringList ran;

  private:
    ClockTickSteps saved_;
};

TEST_F(CampusTest, ClockTextRunsFromHalfPastFourToFive) {
    EXPECT_EQ(ClockText(0), "4:30 PM");
    EXPECT_EQ(ClockText(1), "4:31 PM");
    EXPECT_EQ(ClockText(29), "4:59 PM");
    EXPECT_EQ(ClockText(30), "5:00 PM");
    EXPECT_EQ(ClockText(33), "5:00 PM");

    GameState.elapsedMinutes = 28;
    ClockTick();
    EXPECT_EQ(VelMain->lblClock->Caption(), "4:59 PM");
    ClockTick();
    EXPECT_EQ(VelMain->lblClock->Caption(), "5:00 PM");
    EXPECT_EQ(GameState.elapsedMinutes, 30);
}

TEST_F(CampusTest, HeroinesComeOnlyToAnIdlePlayerAtTheFirstMinuteOfAWindow) {
    for (int minute : {6, 11, 16, 21, 26}) {
        EXPECT_EQ(TickAt(Phase::Idle, minute, false), QStringList{"meetWhileWaiting"}) << minute;
        for (Phase other : {Phase::BeforePlay, Phase::AwaitingReply, Phase::PhoneMail})
            EXPECT_TRUE(TickAt(other, minute, false).isEmpty()) << minute;
    }
    for (int minute : {2, 3, 4, 7, 8, 9, 12, 29})
        EXPECT_TRUE(TickAt(Phase::Idle, minute, false).isEmpty()) << minute;
}

TEST_F(CampusTest, HeroinesLeaveAtTheFiveMinuteMarks) {
    for (int minute : {5, 10, 15, 20, 25}) {
        EXPECT_EQ(TickAt(Phase::AwaitingReply, minute, true), QStringList{"ignored"});
        EXPECT_EQ(TickAt(Phase::Idle, minute, true), QStringList{"leaving"});
        EXPECT_TRUE(TickAt(Phase::Idle, minute, false).isEmpty());
        EXPECT_TRUE(TickAt(Phase::Walking, minute, true, minute + 3).isEmpty());
    }
    EXPECT_TRUE(TickAt(Phase::AwaitingReply, 7, true).isEmpty());

    // The ignored timeout empties the conversation, so the leaving timeout cannot follow it.
    ClockSteps().ignoredTimeout = [this] {
        ran.append("ignored");
        GameState.pendingConversation.clear();
        GameState.phase = Phase::Idle;
    };
    EXPECT_EQ(TickAt(Phase::AwaitingReply, 10, true), QStringList{"ignored"});
}

TEST_F(CampusTest, AWalkRingsTwoMinutesBeforeArrivalAndEndsOnTime) {
    EXPECT_EQ(TickAt(Phase::Walking, 2, false, 4), QStringList{"mail"});
    EXPECT_TRUE(TickAt(Phase::Walking, 3, false, 4).isEmpty());
    EXPECT_EQ(TickAt(Phase::Walking, 4, false, 4), QStringList{"arrive"});
    EXPECT_EQ(TickAt(Phase::Walking, 7, false, 5), QStringList{"arrive"});  // arrival after a mail
    EXPECT_TRUE(TickAt(Phase::PhoneMail, 4, false, 4).isEmpty());
    // A walk arriving at a heroine's minute arrives; the meeting itself is arrival's business.
    EXPECT_EQ(TickAt(Phase::Walking, 6, false, 6), QStringList{"arrive"});
}

TEST_F(CampusTest, FiveOClockStartsClosingTimeUnlessAMailIsOpen) {
    for (Phase phase : {Phase::Idle, Phase::Walking, Phase::AwaitingReply})
        EXPECT_EQ(TickAt(phase, 30, true, 31), QStringList{"closing"});
    EXPECT_TRUE(TickAt(Phase::PhoneMail, 30, false, 31).isEmpty());
    EXPECT_EQ(VelMain->lblClock->Caption(), "5:00 PM");
    EXPECT_TRUE(TickAt(Phase::PhoneMail, 31, false).isEmpty());
    EXPECT_EQ(TickAt(Phase::Walking, 32, false, 40), QStringList{"closing"});
    EXPECT_EQ(GameState.elapsedMinutes, 32);
}

TEST_F(CampusTest, HiddenShortcutNeedsTheRightButtonWithShiftAndCtrlOnly) {
    GameState.phase = Phase::Idle;
    GameState.elapsedMinutes = 3;
    auto press = [](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
        driver::Press(VelMain->KaKushiDummy, button, modifiers);
    };
    press(Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(GameState.elapsedMinutes, 4);
    EXPECT_EQ(VelMain->lblClock->Caption(), "4:34 PM");
    press(Qt::RightButton, Qt::ShiftModifier);
    press(Qt::RightButton, Qt::ControlModifier);
    press(Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    press(Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(GameState.elapsedMinutes, 4);
    // Outside play (the opening, closing time) it does nothing.
    GameState.phase = Phase::ClosingTime;
    press(Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(GameState.elapsedMinutes, 4);
}

TEST_F(CampusTest, TravelButtonsFollowPhaseAndPlace) {
    const QList<QList<int>> enabledFrom = {
        {}, {1, 2, 3, 4}, {0, 3}, {0, 6}, {0, 1, 5}, {0, 6}, {3}, {2, 4},
    };
    auto enabled = [] {
        QList<int> on;
        for (int i = 0; i < 7; ++i)
            if (VelMain->Command1(i).isEnabled()) on.append(i);
        return on;
    };
    for (int place = 1; place <= 7; ++place) {
        GameState.currentLocation = static_cast<int16_t>(place);
        GameState.phase = Phase::Idle;
        UpdateTravelButtons();
        EXPECT_EQ(enabled(), enabledFrom[place]) << place;
        // A phone mail leaves the buttons exactly as they were.
        GameState.phase = Phase::PhoneMail;
        UpdateTravelButtons();
        EXPECT_EQ(enabled(), enabledFrom[place]) << place;
        for (Phase off : {Phase::Walking, Phase::AwaitingReply, Phase::ClosingTime}) {
            GameState.phase = off;
            UpdateTravelButtons();
            EXPECT_TRUE(enabled().isEmpty()) << place;
            GameState.phase = Phase::Idle;
            UpdateTravelButtons();
        }
    }
    GameState.currentLocation = 0;
    UpdateTravelButtons();
    EXPECT_TRUE(enabled().isEmpty());
}

TEST_F(CampusTest, ClicksBeforeAWaitDoNotCountAndAKeyReleasesIt) {
    driver::Click(VelMain->Label1);
    EXPECT_TRUE(GameState.clickFlag);
    bool clicked = false;
    driver::After(100, [&] {
        clicked = true;
        driver::Click(VelMain->Image1);
    });
    WaitForClick();
    EXPECT_TRUE(clicked);  // the earlier click did not end the wait
    EXPECT_TRUE(VelMain->Label3->Caption().isEmpty());

    bool prompted = false;
    driver::After(50, [&] {
        prompted = VelMain->Label3->Caption() == QStringLiteral("クリックしてください");
        driver::TypeKey(VelMain.operator->(), 'a');
    });
    WaitForClick();
    EXPECT_TRUE(prompted);

    // Clicks on the speaker name and the clock do nothing.
    GameState.clickFlag = false;
    driver::Click(VelMain->Label2);
    driver::Click(VelMain->lblClock);
    EXPECT_FALSE(GameState.clickFlag);
}

TEST_F(CampusTest, ClockTicksRunNestedWhileALineWaits) {
    ClockSteps() = ClockTickSteps{};  // keep the scenes out; only the clock itself runs
    ClockSteps().meetWhileWaiting = [] {};
    ClockSteps().leavingTimeout = [] {};
    GameState.phase = Phase::Idle;
    GameState.elapsedMinutes = 1;
    ui::testing::SetTimeScale(0.0005);  // one game minute in 30 ms
    VelMain->Timer1->SetInterval(60000);
    VelMain->Timer1->SetEnabled(true);
    driver::After(400, [] { driver::Click(VelMain->Label1); });
    WaitForClick();
    VelMain->Timer1->SetEnabled(false);
    ui::testing::SetTimeScale(1.0);
    EXPECT_GE(GameState.elapsedMinutes, 5);
    EXPECT_EQ(VelMain->lblClock->Caption(), ClockText(GameState.elapsedMinutes));
}

TEST_F(CampusTest, ShowLineWritesSpeakerAndTextAndKeepsThePictureWithoutACode) {
    ShowLine(QString(), QStringLiteral("本文"), QStringLiteral("話し手"));
    EXPECT_EQ(VelMain->Label2->Caption(), "話し手");
    EXPECT_EQ(VelMain->Label1->Caption(), "本文");
    ShowLine(QString(), QStringLiteral("次"), QString());
    EXPECT_TRUE(VelMain->Label2->Caption().isEmpty());
    EXPECT_EQ(VelMain->Caption(), "Velmora 3rd STORY");
}

TEST_F(CampusTest, WalkingFramesAlternateOnlyWhileWalking) {
    ui::testing::SetTimeScale(0.1);  // frames every 50 ms
    VelMain.Unload();
    VelMain->Show();
    GameState.phase = Phase::Walking;
    QList<bool> firstShown;
    driver::RunUntil([&] {
        firstShown.append(VelMain->Image2(0).isVisible());
        return firstShown.count(true) > 0 && firstShown.count(false) > 0 && firstShown.size() > 20;
    });
    EXPECT_NE(VelMain->Image2(0).isVisible(), VelMain->Image2(1).isVisible());
    GameState.phase = Phase::Idle;
    driver::RunFor(120);
    EXPECT_FALSE(VelMain->Image2(0).isVisible());
    EXPECT_FALSE(VelMain->Image2(1).isVisible());
    ui::testing::SetTimeScale(1.0);
}

TEST_F(CampusTest, WindowOpensAboveCentreWithTheDialogPlaceBelowIt) {
    // Loaded again now that a shown window has told the frame size, and checked before the
    // window system gets to move it.
    VelMain.Unload();
    VelMain.Get();
    const int centredTop = ui::CenteredOffset(ui::ScreenHeight(), VelMain->Height());
    EXPECT_EQ(VelMain->Top(), centredTop - 1200);
    EXPECT_EQ(VelMain->Left(), ui::CenteredOffset(ui::ScreenWidth(), VelMain->Width()));
    EXPECT_EQ(GameState.dialogTop, VelMain->Top() + VelMain->Height() + 50);
    EXPECT_EQ(VelMain->Image1->geometry(), QRect(8, 0, 300, 200));
    EXPECT_EQ(VelMain->Command1(6).geometry(), QRect(328, 176, 49, 17));
    EXPECT_EQ(VelMain->Command1(2).text(), QStringLiteral("校　庭"));
}

}  // namespace

#include <gtest/gtest.h>
#include <QMessageBox>
#include <QTest>

#include "tests/support/player.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

// A screen that records the close requests it receives and can refuse them.
class RecordingForm : public ui::Form {
  public:
    RecordingForm() { SetClientSize(3000, 2000); }
    QList<int> reasons;
    bool refuse = false;
    int loads = 0;

  protected:
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(int& cancel, int reason) override {
        reasons.append(reason);
        if (refuse) cancel = 1;
    }
};

ui::DefaultInstance<RecordingForm> Recording;

TEST(WindowLayer, CentringRoundsTheDifferenceToEvenThenHalvesTowardZero) {
    EXPECT_EQ(ui::CenteredOffset(100.6, 0), 50);  // 101, then halved toward zero
    EXPECT_EQ(ui::CenteredOffset(102.5, 0), 51);  // a half rounds to the even 102
    EXPECT_EQ(ui::CenteredOffset(3000, 3000 + 10005), -5002);
}

TEST(WindowLayer, FormsLoadOnFirstUseAndCloseRequestsCarryTheirReason) {
    RecordingForm* first = &Recording.Get();
    EXPECT_EQ(&Recording.Get(), first);  // the same instance while loaded
    first->Show();
    first->refuse = true;
    first->close();  // the window manager's close box
    ui::RequestCloseAll(ui::kCloseFromTaskManager);
    EXPECT_EQ(first->reasons, (QList<int>{ui::kCloseFromControlMenu, ui::kCloseFromTaskManager}));
    EXPECT_TRUE(first->isVisible());

    first->refuse = false;
    Recording.Unload();
    EXPECT_EQ(first->reasons.last(), ui::kCloseFromCode);
    RecordingForm* second = &Recording.Get();  // loaded afresh
    EXPECT_NE(second, first);
    EXPECT_EQ(second->loads, 1);
    EXPECT_TRUE(second->reasons.isEmpty());
    Recording.Unload();
}

TEST(WindowLayer, ClosingTheLastWindowEndsTheProgram) {
    EXPECT_EXIT(
        {
            RecordingForm& form = Recording.Get();
            form.Show();
            form.close();
            std::abort();  // not reached when the close ended the program
        },
        testing::ExitedWithCode(0), "");
}

TEST(WindowLayer, TimersRunNestedInsideAWaitingHandlerInTheOrderTheyStarted) {
    RecordingForm owner;
    QStringList fired;
    ui::Timer slow(&owner, 20, true);
    ui::Timer early(&owner, 10, true);
    ui::Timer late(&owner, 10, true);  // due with `early`, started after it
    int depth = 0, deepest = 0, slowTicks = 0;
    bool released = false;
    slow.onTimer = [&] {
        ++slowTicks;
        ++depth;
        deepest = std::max(deepest, depth);
        // The first tick waits, as a scene waiting for a click would; the fifth releases it.
        if (depth == 1) ui::WaitUntil([&] { return released; }, QStringLiteral("slow tick"));
        if (slowTicks == 5) released = true;
        --depth;
    };
    early.onTimer = [&] { fired.append(QStringLiteral("early@%1").arg(ui::NowMs() % 1000)); };
    late.onTimer = [&] {
        fired.append(QStringLiteral("late@%1").arg(ui::NowMs() % 1000));
        late.SetInterval(0);  // no more ticks
    };
    const ui::GameMs start = ui::NowMs();
    Player player;
    player.Run(
        QStringLiteral("five slow ticks"), [&] { return slowTicks >= 5 && depth == 0; },
        Seconds(1));
    EXPECT_EQ(deepest, 2);  // the slow timer's own later ticks ran inside its first
    EXPECT_EQ(ui::NowMs() - start, 100);  // game time, exactly
    const QString at = QString::number((start + 10) % 1000);
    EXPECT_EQ(fired.mid(0, 2), (QStringList{"early@" + at, "late@" + at}));
    EXPECT_EQ(std::count_if(fired.begin(), fired.end(), [](auto& f) { return f.startsWith("late"); }),
              1);
}

TEST(WindowLayer, ModalWindowTakesInputWhileOtherTimersKeepFiring) {
    RecordingForm background;
    background.Show();
    ui::Timer timer(&background, 10, true);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    RecordingForm dialog;
    QLabel target(&background);
    Player player;
    player.Then(
        "the dialog after a while", [&] { return ticks >= 5; },
        [&] {
            EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
            EXPECT_FALSE(driver::Click(&target));  // held back by the modal dialog
            dialog.Hide();
        });
    dialog.ShowModal();
    EXPECT_FALSE(dialog.isVisible());
}

TEST(WindowLayer, MessageBoxReturnsThePressedButtonAndEnterTakesTheDefault) {
    Player player;
    player.Answer(QMessageBox::No);
    EXPECT_EQ(ui::MsgBox(QStringLiteral("一行目\r\n二行目"),
                         ui::vbYesNoCancel | ui::vbExclamation, QStringLiteral("Velmora")),
              ui::vbNo);
    ASSERT_EQ(player.boxes.size(), 1);
    EXPECT_EQ(player.boxes[0].title, "Velmora");
    EXPECT_EQ(player.boxes[0].text, "一行目\n二行目");

    player.Then(
        "the second box", [] { return QApplication::activeModalWidget() != nullptr; },
        [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    EXPECT_EQ(ui::MsgBox(QStringLiteral("?"), ui::vbYesNo | ui::vbDefaultButton2, QString()),
              ui::vbNo);
}

TEST(WindowLayer, MouseEventsEncodeButtonAndModifiers) {
    RecordingForm form;
    ui::Label label(&form, 0, 0, 1500, 300, QStringLiteral("x"));
    form.Show();
    int button = -1, shift = -1, clicks = 0, doubleClicks = 0;
    label.onMouseDown = [&](int b, int s, int, int) {
        button = b;
        shift = s;
    };
    label.onClick = [&] { ++clicks; };
    label.onDblClick = [&] { ++doubleClicks; };
    driver::Press(&label, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(std::make_pair(button, shift), std::make_pair(2, 3));
    EXPECT_EQ(clicks, 0);  // only the left button clicks
    driver::Click(&label, Qt::AltModifier);
    EXPECT_EQ(std::make_pair(button, shift), std::make_pair(1, 4));
    driver::DoubleClick(&label);  // a click, then a double click
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubleClicks, 1);
}

TEST(WindowLayer, AScriptedStepThatNeverComesFailsAtOnceNamingTheWait) {
    RecordingForm form;
    ui::Timer ticking(&form, 1000, true);  // time goes on, but nothing clicks
    EXPECT_EXIT(
        {
            Player player;
            player.Then("a click that never comes", [] { return false; }, [] {}, Seconds(10));
            ui::WaitUntil([] { return false; }, QStringLiteral("WaitForClick"));
        },
        testing::ExitedWithCode(1), "a click that never comes(.|\n)*waiting in: WaitForClick");
    // With no timer left, a wait that nothing can release fails as well.
    ticking.SetEnabled(false);
    EXPECT_EXIT(ui::WaitUntil([] { return false; }, QStringLiteral("the album")),
                testing::ExitedWithCode(1), "nothing is left to happen while waiting in the album");
}

}  // namespace

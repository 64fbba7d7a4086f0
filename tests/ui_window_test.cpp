#include <gtest/gtest.h>
#include <QMessageBox>
#include <QTest>

#include "tests/support/driver.h"
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

TEST(WindowLayer, CentringRoundsTheDifferenceThenHalvesTowardZero) {
    EXPECT_EQ(ui::CenteredOffset(10005 + 3000, 3000), 5002);
    EXPECT_EQ(ui::CenteredOffset(3000, 3000 + 10005), -5002);
    EXPECT_EQ(ui::CenteredOffset(100.4, 0), 50);  // 100 after rounding
    EXPECT_EQ(ui::CenteredOffset(100.6, 0), 50);  // 101, then halved toward zero
    EXPECT_EQ(ui::CenteredOffset(102.5, 0), 51);  // a half rounds to the even 102
    EXPECT_EQ(ui::CenteredOffset(-3.0, 0), -1);

    // A window larger than the screen gets a negative position, half the difference.
    RecordingForm big;
    big.SetClientSize(ui::ScreenWidth() + 3000, ui::ScreenHeight() + 2010);
    ui::CenterForm(big);
    EXPECT_EQ(big.Left(), -(big.Width() - ui::ScreenWidth()) / 2);
    EXPECT_EQ(big.Top(), -(big.Height() - ui::ScreenHeight()) / 2);
    EXPECT_LT(big.Left(), 0);
}

TEST(WindowLayer, DefaultInstanceLoadsOnFirstUseAndAfreshAfterUnload) {
    EXPECT_FALSE(Recording.IsLoaded());
    RecordingForm* first = &Recording.Get();
    EXPECT_EQ(first->loads, 1);
    EXPECT_EQ(&Recording.Get(), first);  // the same instance while loaded
    Recording.Unload();
    EXPECT_EQ(first->reasons, QList<int>{ui::kCloseFromCode});
    EXPECT_FALSE(Recording.IsLoaded());
    RecordingForm* second = &Recording.Get();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->loads, 1);
    EXPECT_TRUE(second->reasons.isEmpty());
    Recording.Unload();
}

TEST(WindowLayer, CloseRequestsCarryTheirReasonAndCanBeRefused) {
    RecordingForm& form = Recording.Get();
    form.Show();
    form.refuse = true;
    form.close();  // the window manager's close box
    EXPECT_EQ(form.reasons.last(), ui::kCloseFromControlMenu);
    EXPECT_TRUE(Recording.IsLoaded());
    EXPECT_TRUE(form.isVisible());

    ui::RequestCloseAll(ui::kCloseFromTaskManager);
    EXPECT_EQ(form.reasons.last(), ui::kCloseFromTaskManager);
    EXPECT_TRUE(Recording.IsLoaded());

    form.refuse = false;
    // A second window keeps the program alive when this one closes.
    RecordingForm other;
    other.Show();
    EXPECT_TRUE(form.RequestClose(ui::kCloseFromSession));
    EXPECT_EQ(form.reasons.last(), ui::kCloseFromSession);
    EXPECT_FALSE(Recording.IsLoaded());
}

TEST(WindowLayer, ClosingTheLastWindowEndsTheProgram) {
    EXPECT_EXIT(
        {
            for (ui::Form* f : ui::Form::LoadedForms()) f->Unload();
            RecordingForm& form = Recording.Get();
            form.Show();
            form.close();
            std::abort();  // not reached when the close ended the program
        },
        testing::ExitedWithCode(0), "");
}

TEST(WindowLayer, TimerHandlersRunNestedInsideAWaitingHandler) {
    RecordingForm owner;
    ui::Timer slow(&owner, 20, true);
    ui::Timer fast(&owner, 5, true);
    int depth = 0, deepest = 0, slowTicks = 0, fastTicks = 0;
    bool released = false;
    slow.onTimer = [&] {
        ++slowTicks;
        ++depth;
        deepest = std::max(deepest, depth);
        // The first tick waits, as a scene waiting for a click would; the fifth releases it.
        if (depth == 1) ui::WaitUntil([&] { return released; });
        if (slowTicks == 5) released = true;
        --depth;
    };
    fast.onTimer = [&] { ++fastTicks; };
    ASSERT_TRUE(driver::RunUntil([&] { return slowTicks >= 5 && depth == 0; }, 3000));
    EXPECT_EQ(deepest, 2);  // the slow timer's own later ticks ran inside its first
    EXPECT_GT(fastTicks, 5);
}

TEST(WindowLayer, TimeScaleCompressesTimersAndIntervalZeroStopsThem) {
    RecordingForm owner;
    ui::testing::SetTimeScale(0.001);
    ui::Timer clock(&owner, 60000, true);  // one "minute" becomes 60 ms
    int ticks = 0;
    clock.onTimer = [&] { ++ticks; };
    EXPECT_TRUE(driver::RunUntil([&] { return ticks >= 3; }, 2000));
    clock.SetInterval(0);
    const int stopped = ticks;
    driver::RunFor(200);
    EXPECT_EQ(ticks, stopped);
    ui::testing::SetTimeScale(1.0);
}

TEST(WindowLayer, ModalWindowTakesInputWhileOtherTimersKeepFiring) {
    RecordingForm background;
    background.Show();
    ui::Timer timer(&background, 10, true);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };

    RecordingForm dialog;
    driver::After(150, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        dialog.Hide();
    });
    dialog.ShowModal();
    EXPECT_GT(ticks, 3);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(WindowLayer, MessageBoxReturnsThePressedButtonWithItsDefault) {
    auto& seen = driver::AnswerNextMessageBox(QMessageBox::No);
    const int result = ui::MsgBox(QStringLiteral("一行目\r\n二行目"),
                                  ui::vbYesNoCancel | ui::vbExclamation, QStringLiteral("Velmora"));
    EXPECT_EQ(result, ui::vbNo);
    EXPECT_TRUE(seen.seen);
    EXPECT_EQ(seen.title, QStringLiteral("Velmora"));
    EXPECT_EQ(seen.text, QStringLiteral("一行目\n二行目"));

    // Enter takes the default button: No as the second of Yes/No.
    driver::After(50, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(ui::MsgBox(QStringLiteral("?"), ui::vbYesNo | ui::vbDefaultButton2, QString()),
              ui::vbNo);
}

TEST(WindowLayer, MouseEventsEncodeButtonAndModifiers) {
    RecordingForm form;
    ui::Label label(&form, 0, 0, 1500, 300, QStringLiteral("x"));
    form.Show();
    int button = -1, shift = -1, clicks = 0;
    label.onMouseDown = [&](int b, int s, int, int) {
        button = b;
        shift = s;
    };
    label.onClick = [&] { ++clicks; };
    driver::Press(&label, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(button, 2);
    EXPECT_EQ(shift, 3);
    EXPECT_EQ(clicks, 0);  // only the left button clicks
    driver::Click(&label, Qt::AltModifier);
    EXPECT_EQ(button, 1);
    EXPECT_EQ(shift, 4);
    EXPECT_EQ(clicks, 1);
    // A double click clicks once, then double-clicks.
    int doubleClicks = 0;
    label.onDblClick = [&] { ++doubleClicks; };
    driver::DoubleClick(&label);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubleClicks, 1);
}

}  // namespace

// Windows under a real X server, whose window manager gives them frames a moment after they
// appear. The offscreen platform has no frames: only here can placement by the outer edge show.
#include <cstdlib>

#include <gtest/gtest.h>
#include <QWindow>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "frontend/comfort.h"
#include "tests/support/player.h"
#include "ui/Form.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

TEST(X11, TheCampusAndTheAnswerWindowSitWhereTheDesignPutsThemByTheirFrames) {
    const auto outer = [](ui::Form& window) { return window.windowHandle()->frameGeometry(); };
    // Centred by its outer size, raised 1200 twips; the answer window 50 twips (±1 px) below.
    const auto placed = [&] {
        const QRect campus = outer(*CampusScreen);
        const int top = ui::CenteredOffset(ui::ScreenHeight(), ui::ToTwips(campus.height())) - 1200;
        const int below = campus.bottom() + 1 + ui::ToPixels(50);
        return CampusScreen->windowHandle()->frameMargins().top() > 0 &&
               campus.top() == ui::ToPixels(top) &&
               std::abs(outer(*AnswerWindow).top() - below) <= 1;
    };
    // The window manager answers in its own time, with events that move and frame the windows.
    const auto waitUntilPlaced = [&] {
        EXPECT_TRUE(WaitForEvents(placed))
            << "at scale " << ui::Scale() << " the campus window is at "
            << outer(*CampusScreen).top() << ", the answer window at "
            << outer(*AnswerWindow).top();
    };
    // Xvfb's 1920x1080 screen holds both windows at twice the design size, not at three times.
    EXPECT_EQ(StartingScale(0), 2);
    BeginTestGame();
    CampusScreen->Show();
    AnswerWindow->Show();
    waitUntilPlaced();
    // A new scale while the windows stand: both placed again by their new outer size.
    ui::SetScale(2);
    EXPECT_EQ(CampusScreen->width(), 760);
    waitUntilPlaced();
    EndTestGame();
}

}  // namespace

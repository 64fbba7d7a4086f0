#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/support/player.h"
#include "tests/support/sandbox.h"
#include "ui/application.h"
#include "ui/gametime.h"
#include "ui/runtime.h"

namespace {

// Every test starts in a fresh, empty working directory with its own settings folder, so that
// save files and the clear record of one test never leak into another.
class SandboxListener : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { sandbox_ = std::make_unique<Sandbox>(); }
    void OnTestEnd(const testing::TestInfo&) override { sandbox_.reset(); }
    std::unique_ptr<Sandbox> sandbox_;
};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    testing::GTEST_FLAG(death_test_style) = "threadsafe";
    // Tests own the clock: it moves only when the game has nothing else to do.
    ui::testing::UseVirtualTime();
    ui::testing::SetStallHandler(FailTest);
    QuietOffscreenPlatform();
    ui::Application app(argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new SandboxListener);
    // A death test's child hears no test events; it works in its parent's sandbox.
    std::unique_ptr<Sandbox> childSandbox;
    if (!GTEST_FLAG_GET(internal_run_death_test).empty())
        childSandbox = std::make_unique<Sandbox>();
    else  // the end of the program is watched in a child; here it would cut the suite short
        ui::AtEndProgram([] { FailTest(QStringLiteral("the game ended the test process")); });
    return RUN_ALL_TESTS();
}

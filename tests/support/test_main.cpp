#include <cstdlib>

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "tests/support/sandbox.h"
#include "ui/application.h"

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
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::InitGoogleTest(&argc, argv);
    testing::GTEST_FLAG(death_test_style) = "threadsafe";
    ui::Application app(argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new SandboxListener);
    // A death test's child hears no test events; it works in its parent's sandbox.
    std::unique_ptr<Sandbox> childSandbox;
    if (!GTEST_FLAG_GET(internal_run_death_test).empty())
        childSandbox = std::make_unique<Sandbox>();
    return RUN_ALL_TESTS();
}

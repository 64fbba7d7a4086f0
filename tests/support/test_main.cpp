#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "tests/support/player.h"
#include "ui/application.h"
#include "ui/gametime.h"
#include "ui/language.h"
#include "ui/runtime.h"

namespace {

constexpr char kSandboxVariable[] = "VELMORA_TEST_SANDBOX";

// A death test's child process runs one test's body again.
bool IsChild() {
    return !GTEST_FLAG_GET(internal_run_death_test).empty();
}

// Every test works in a fresh, empty folder with its own settings folder, so that the save file
// and the clear record of one test never leak into another. Child processes (death tests, games
// run to their end) work in their parent's folder, so that it can check what they left; only the
// parent creates and removes it.
void EnterSandbox(const QString& path) {
    QDir(path).mkpath("config");
    qputenv("XDG_CONFIG_HOME", QDir(path).filePath("config").toLocal8Bit());
    QDir::setCurrent(path);
}

class SandboxListener : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        // Every test names its language; one that wants English sets it itself.
        ui::SetLanguage(ui::Language::Japanese);
        if (IsChild()) return;
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv(kSandboxVariable, dir_->path().toLocal8Bit());
        EnterSandbox(dir_->path());
    }
    void OnTestEnd(const testing::TestInfo&) override {
        if (IsChild()) return;
        QDir::setCurrent(QDir::tempPath());
        qunsetenv(kSandboxVariable);
        dir_.reset();
    }
    std::unique_ptr<QTemporaryDir> dir_;
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
    if (IsChild())
        EnterSandbox(qEnvironmentVariable(kSandboxVariable));
    else  // the end of the program is watched in a child; here it would cut the suite short
        ui::AtEndProgram([] { FailTest(QStringLiteral("the game ended the test process")); });
    testing::UnitTest::GetInstance()->listeners().Append(new SandboxListener);
    return RUN_ALL_TESTS();
}

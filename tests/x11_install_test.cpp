// The game as a player installs it: the real program from a prefix, started from a folder that is
// not its own, with its data found beside it and its save folder made in the player's home.
#include <signal.h>

#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>

#include "core/savefile.h"
#include "tests/support/player.h"

namespace {

TEST(Installed, StartedElsewhereTheGameFindsEveryFileAndShowsItsTitle) {
    const QString prefix = QDir().absoluteFilePath("prefix");
    QProcess install;
    install.start(QStringLiteral(VELMORA_CMAKE),
                  {"--install", QStringLiteral(VELMORA_BUILD_DIR), "--prefix", prefix});
    // Each wait below is for a process to end; its limit of minutes only guards against a hang.
    constexpr int kHang = 5 * 60 * 1000;
    ASSERT_TRUE(install.waitForFinished(kHang) && install.exitCode() == 0)
        << install.readAllStandardError().toStdString();
    // Every file the build made is installed; a save left there by playing is no game data.
    for (const QString& name : QDir(QStringLiteral(VELMORA_DATA_DIR)).entryList(QDir::Files))
        EXPECT_TRUE(name.startsWith(kSaveFile) || QFile::exists(prefix + "/share/velmora3/" + name))
            << name;

    QDir().mkdir("elsewhere");
    qputenv("XDG_DATA_HOME", QDir().absoluteFilePath("home").toLocal8Bit());  // for the child
    qputenv("SDL_AUDIODRIVER", "dummy");
    QProcess game;
    game.setWorkingDirectory("elsewhere");
    game.start(prefix + "/bin/velmora3");
    // The title follows the logo demo in real time; xdotool waits for its window to be mapped.
    QProcess title;
    title.start("xdotool", {"search", "--sync", "--onlyvisible", "--name", "3rd STORY"});
    EXPECT_TRUE(title.waitForFinished(kHang) && title.exitCode() == 0) << "no title window";
    ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
    ASSERT_TRUE(game.waitForFinished(kHang));
    EXPECT_EQ(game.exitCode(), 128 + SIGTERM);

    const QString told = QString::fromLocal8Bit(game.readAllStandardError());
    EXPECT_FALSE(told.contains("見つかりません")) << told;
    EXPECT_TRUE(QDir("home/velmora3").exists());
    EXPECT_TRUE(QDir("elsewhere").isEmpty());
}

}  // namespace

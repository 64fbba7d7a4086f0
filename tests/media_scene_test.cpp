#include <gtest/gtest.h>
#include <QFile>

#include "conversation/presenter.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "media/KV_Midi.h"
#include "media/audio.h"
#include "tests/support/driver.h"
#include "tests/support/media_files.h"

namespace {

class SceneTest : public testing::Test {
  protected:
    void SetUp() override {
        GameState = GameRecord{};
        GameState.phase = Phase::Idle;
        for (const char* theme : {"M310C.mid", "M320C.mid", "M394C.mid", "M392C.mid"})
            testfiles::WriteMidi(theme, 8.0);
        VelMain->Show();
    }
    void TearDown() override {
        StopMidi();
        VelMain.Unload();
    }
    static QRgb ShownColour() { return VelMain->Image1->Picture().toImage().pixel(10, 10); }
};

TEST_F(SceneTest, PicturesComeFromVelFilesOfAnyFormatElseFromGif) {
    testfiles::WritePicture("C321C.VEL", Qt::red, "JPEG");
    testfiles::WritePicture("C321C.GIF", Qt::blue, "PNG");
    testfiles::WritePicture("C330C.GIF", Qt::green, "BMP");  // named GIF, decided by its bytes
    testfiles::WritePicture("C310C.VEL", Qt::yellow, "PNG");

    ShowLine("C321C", "…", QString());
    EXPECT_GT(qRed(ShownColour()), 200);  // the JPEG under .VEL won over the .GIF
    EXPECT_LT(qBlue(ShownColour()), 60);
    ShowLine("C330C", "…", QString());
    EXPECT_EQ(ShownColour(), QColor(Qt::green).rgb());
    ShowLine("C310C", "…", QString());
    EXPECT_EQ(ShownColour(), QColor(Qt::yellow).rgb());
    // Neither file: the previous picture stays and the game goes on.
    ShowLine("C377C", "…", QString());
    EXPECT_EQ(ShownColour(), QColor(Qt::yellow).rgb());
}

TEST_F(SceneTest, ThemeMusicFollowsThePersonDigitWithoutRestarting) {
    ShowLine("C310C", "", QString());
    EXPECT_EQ(GameState.sceneMusic, "M394C.mid");
    EXPECT_EQ(GameState.musicFile, "M394C.mid");
    ASSERT_TRUE(driver::RunUntil([] { return media::SequenceTick() > 500; }, 4000));

    // Another scene without a heroine, the walk: the piece goes on.
    const int before = media::SequenceTick();
    ShowLine("C300B", "", QString());
    EXPECT_GE(media::SequenceTick(), before);

    ShowLine("C321C", "", QString());
    EXPECT_EQ(GameState.musicFile, "M310C.mid");
    ASSERT_TRUE(driver::RunUntil([] { return media::SequenceTick() > 500; }, 4000));
    const int heroineTick = media::SequenceTick();
    ShowLine("C361C", "", QString());  // heroine 1 again, at another place
    EXPECT_GE(media::SequenceTick(), heroineTick);
    EXPECT_EQ(GameState.musicFile, "M310C.mid");

    ShowLine("C300B", "", QString());  // walking after a heroine's scene
    EXPECT_EQ(GameState.musicFile, "M394C.mid");
    EXPECT_LT(media::SequenceTick(), heroineTick);
}

TEST_F(SceneTest, ClosingTimeSetsTheCaptionAndLeavesTheMusicAlone) {
    testfiles::WritePicture("C381C.VEL", Qt::magenta, "PNG");
    GameState.musicFile = "M392C.mid";
    PlayMidi(GameState.musicFile);
    GameState.sceneMusic = "M394C.mid";
    GameState.phase = Phase::ClosingTime;
    ShowLine("C381C", "…", QString());
    EXPECT_EQ(VelMain->Caption(), "-Velmora 3rd STORY-");
    EXPECT_EQ(ShownColour(), QColor(Qt::magenta).rgb());
    EXPECT_EQ(GameState.musicFile, "M392C.mid");
    EXPECT_EQ(GameState.sceneMusic, "M394C.mid");
    EXPECT_TRUE(IsMidiPlaying());
}

TEST_F(SceneTest, MutedMusicStillFollowsTheScenes) {
    GameState.musicMuted = true;
    ShowLine("C321C", "", QString());
    EXPECT_EQ(GameState.sceneMusic, "M310C.mid");
    EXPECT_EQ(GameState.musicFile, "M310C.mid");
    EXPECT_FALSE(IsMidiPlaying());
}

}  // namespace

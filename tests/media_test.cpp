#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>

#include "conversation/presenter.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "media/KV_Midi.h"
#include "media/audio.h"
#include "media/mci.h"
#include "media/sound.h"
#include "tests/support/player.h"
#include "ui/Timer.h"

namespace {

// These tests listen: the synth renders what is played, up to the game clock's now.
class Media : public testing::Test {
  protected:
    void SetUp() override {
        CopyGameData();
        GameState = GameRecord{};
        media::testing::RenderMusicInGameTime();
        media::StartAudio();
    }
    void TearDown() override {
        StopMidi();
        VelMain.Unload();
    }
    static QRgb ShownColour() { return VelMain->Image1->Picture().toImage().pixel(10, 10); }
    static void WritePicture(const char* file, Qt::GlobalColor colour, const char* format) {
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(colour);
        picture.save(file, format);
    }
    Player player;
    // A listener notices every 10 ms what is playing; without it no time would pass here.
    ui::Timer listening{nullptr, 10, true};
};

TEST_F(Media, APieceIsAudibleEndsAndTheKeeperStartsItAgainWithinASecond) {
    ASSERT_FALSE(media::SoundfontPath().isEmpty()) << "the General MIDI soundfont is installed";
    GameState.musicFile = "M310C.mid";
    PlayMidi(GameState.musicFile);
    // The synth's player reports the end once the last notes have died away.
    player.Run("the piece ends", [] { return !IsMidiPlaying(); }, Seconds(60));
    const media::MusicProbe heard = media::ProbeSinceOpen();
    EXPECT_GT(heard.peak, 0.02f);
    EXPECT_GT(heard.audibleFrames, 4410);  // a tenth of a second
    const ui::GameMs endedAt = ui::NowMs();
    VelMain->Show();  // its music keeper ticks every second
    player.Run("the keeper restarts it", IsMidiPlaying, Seconds(1));
    EXPECT_LE(ui::NowMs() - endedAt, 1000);

    // Playing the piece already playing starts it from the beginning.
    PlayMidi("M394C.mid");
    player.Wait(2);
    const long long before = media::SequencePositionMs();
    EXPECT_EQ(before, 2000);
    PlayMidi("M394C.mid");
    EXPECT_LT(media::SequencePositionMs(), before);
    EXPECT_TRUE(IsMidiPlaying());
}

TEST_F(Media, MissingBrokenAndMutedMusicLeaveTheGameRunningAndEffectsCutEachOther) {
    PlayMidi("nowhere.mid");
    EXPECT_FALSE(IsMidiPlaying());
    QFile broken("broken.mid");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("MThd but nothing a synth could read");
    broken.close();
    PlayMidi("broken.mid");
    // The synth finds out only when it starts reading; then the piece simply ends.
    player.Run("the broken piece ends", [] { return !IsMidiPlaying(); }, Seconds(1));

    StopMidi();
    GameState.musicMuted = true;
    GameState.musicFile = "M394C.mid";
    PlayMidi("M394C.mid");
    KeepMidiPlaying();
    EXPECT_FALSE(media::HasSequence());

    sndPlaySound("nowhere.wav", SND_ASYNC | SND_NODEFAULT);
    EXPECT_FALSE(media::EffectPlaying());
    sndPlaySound("nowhere.wav", SND_ASYNC);  // the default beep, muted music or not
    EXPECT_TRUE(media::EffectPlaying());
    sndPlaySound("KVDEMO.WAV", SND_ASYNC);
    sndPlaySound("Dummy.wav", SND_ASYNC | SND_NODEFAULT);
    // The jingle would still be playing had it not been replaced.
    player.Wait(0.2);
    EXPECT_FALSE(media::EffectPlaying());
}

TEST_F(Media, TheCommandLayerOpensPathsWithBlanksAndAnswersModesAndErrors) {
    QString answer = "x";
    EXPECT_EQ(mciSendString("Status Midi mode", &answer), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_TRUE(answer.isEmpty());
    EXPECT_EQ(mciSendString("close Midi"), MCIERR_INVALID_DEVICE_NAME);  // harmless

    QDir().mkpath("with blanks");
    QFile::copy("M310C.mid", "with blanks/a b.mid");
    const QString open =
        "open \"" + QDir::currentPath() + "/with blanks/a b.mid\" type sequencer alias Midi";
    EXPECT_EQ(mciSendString(open), MCIERR_NONE);
    EXPECT_EQ(mciSendString(open), MCIERR_DUPLICATE_ALIAS);
    EXPECT_EQ(mciSendString("status midi mode", &answer), MCIERR_NONE);
    EXPECT_EQ(answer, "stopped");
    EXPECT_EQ(mciSendString("play Midi"), MCIERR_NONE);
    EXPECT_EQ(mciSendString("Status Midi mode", &answer), MCIERR_NONE);
    EXPECT_EQ(answer, "playing");
    EXPECT_EQ(mciSendString("close Midi"), MCIERR_NONE);
    EXPECT_EQ(mciSendString("open \"missing.mid\" type sequencer alias Midi"),
              MCIERR_FILE_NOT_FOUND);
    EXPECT_EQ(mciSendString("rewind Midi"), MCIERR_INVALID_DEVICE_NAME);

    QDir::setCurrent("with blanks");
    PlayMidi("a b.mid");
    EXPECT_TRUE(IsMidiPlaying());
    QDir::setCurrent("..");
}

TEST_F(Media, PicturesComeFromVelFilesOfAnyFormatElseFromGif) {
    WritePicture("C321C.VEL", Qt::red, "JPEG");
    WritePicture("C321C.GIF", Qt::blue, "PNG");
    QFile::remove("C330C.VEL");
    WritePicture("C330C.GIF", Qt::green, "BMP");  // named GIF, decided by its bytes
    WritePicture("C310C.VEL", Qt::yellow, "PNG");
    VelMain->Show();
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

TEST_F(Media, ThemeMusicFollowsThePersonDigitWithoutRestartingButNotAtClosingTime) {
    GameState.phase = Phase::Idle;
    VelMain->Show();
    ShowLine("C310C", "", QString());
    EXPECT_EQ(GameState.musicFile, "M394C.mid");
    player.Wait(1);
    ShowLine("C300B", "", QString());  // the walk, another scene without a heroine: it goes on
    EXPECT_EQ(media::SequencePositionMs(), 1000);

    ShowLine("C321C", "", QString());
    EXPECT_EQ(GameState.musicFile, "M310C.mid");
    player.Wait(1);
    ShowLine("C361C", "", QString());  // heroine 1 again, at another place
    EXPECT_EQ(media::SequencePositionMs(), 1000);
    ShowLine("C300B", "", QString());  // walking after a heroine's scene
    EXPECT_EQ(GameState.musicFile, "M394C.mid");
    EXPECT_EQ(media::SequencePositionMs(), 0);

    StopMidi();
    GameState.musicMuted = true;  // muted music still follows the scenes
    ShowLine("C321C", "", QString());
    EXPECT_EQ(GameState.musicFile, "M310C.mid");
    EXPECT_FALSE(IsMidiPlaying());

    GameState.musicMuted = false;
    GameState.musicFile = "M392C.mid";
    PlayMidi(GameState.musicFile);
    GameState.phase = Phase::ClosingTime;
    ShowLine("C381C", "…", QString());
    EXPECT_EQ(VelMain->Caption(), "-Velmora 3rd STORY-");
    EXPECT_EQ(GameState.musicFile, "M392C.mid");
    EXPECT_EQ(GameState.sceneMusic, "M310C.mid");
    EXPECT_TRUE(IsMidiPlaying());
}

}  // namespace

#include <gtest/gtest.h>
#include <QDir>

#include "core/GameState.h"
#include "core/VelMain.h"
#include "media/KV_Midi.h"
#include "media/audio.h"
#include "media/mci.h"
#include "media/sound.h"
#include "tests/support/driver.h"
#include "tests/support/media_files.h"

namespace {

class MusicTest : public testing::Test {
  protected:
    void SetUp() override {
        GameState = GameRecord{};
        media::StartAudio();
        ASSERT_TRUE(driver::RunUntil(media::SoundfontReady, 10000));
    }
    void TearDown() override {
        StopMidi();
        VelMain.Unload();
    }
};

TEST_F(MusicTest, APlayedPieceIsAudibleThroughTheSynth) {
    ASSERT_FALSE(media::SoundfontPath().isEmpty()) << "the General MIDI soundfont is installed";
    testfiles::WriteMidi("theme.mid", 2.0);
    PlayMidi("theme.mid");
    EXPECT_TRUE(IsMidiPlaying());
    EXPECT_TRUE(driver::RunUntil(
        [] {
            const media::MusicProbe probe = media::ProbeSinceOpen();
            return probe.peak > 0.02f && probe.audibleFrames > 4410;  // a tenth of a second
        },
        3000));
}

TEST_F(MusicTest, APieceEndsAndTheKeeperStartsItAgainWithinASecond) {
    testfiles::WriteMidi("short.mid", 0.5);
    GameState.musicFile = "short.mid";
    PlayMidi(GameState.musicFile);
    ASSERT_TRUE(driver::RunUntil([] { return !IsMidiPlaying(); }, 4000));
    const auto endedAt = std::chrono::steady_clock::now();

    VelMain->Show();  // its music keeper ticks every second
    ASSERT_TRUE(driver::RunUntil(IsMidiPlaying, 3000));
    const auto restartedAfter = std::chrono::steady_clock::now() - endedAt;
    EXPECT_LE(restartedAfter, std::chrono::milliseconds(1200));
    EXPECT_TRUE(driver::RunUntil([] { return media::ProbeSinceOpen().peak > 0.02f; }, 2000));
}

TEST_F(MusicTest, PlayingThePieceAlreadyPlayingStartsItFromTheBeginning) {
    testfiles::WriteMidi("long.mid", 6.0);
    PlayMidi("long.mid");
    ASSERT_TRUE(driver::RunUntil([] { return media::SequenceTick() > 900; }, 4000));
    const int before = media::SequenceTick();
    PlayMidi("long.mid");
    EXPECT_LT(media::SequenceTick(), before);
    EXPECT_TRUE(IsMidiPlaying());
}

TEST_F(MusicTest, MutedMusicStartsNothingWhileEffectsStillPlay) {
    testfiles::WriteMidi("theme.mid", 2.0);
    testfiles::WriteWav("Keitai3.WAV", 1.0);
    GameState.musicMuted = true;
    GameState.musicFile = "theme.mid";
    PlayMidi("theme.mid");
    KeepMidiPlaying();
    EXPECT_FALSE(media::HasSequence());
    EXPECT_FALSE(IsMidiPlaying());
    sndPlaySound("Keitai3.WAV", SND_ASYNC);
    EXPECT_TRUE(media::EffectPlaying());
}

TEST_F(MusicTest, AFolderWithBlanksInItsNameStillOpens) {
    QDir().mkpath("with blanks in it");
    QDir::setCurrent("with blanks in it");
    testfiles::WriteMidi("theme.mid", 1.0);
    PlayMidi("theme.mid");
    EXPECT_TRUE(media::HasSequence());
    EXPECT_TRUE(IsMidiPlaying());
    QDir::setCurrent("..");
}

TEST_F(MusicTest, MissingOrBrokenFilesLeaveTheGameSilentAndRunning) {
    PlayMidi("nowhere.mid");
    EXPECT_FALSE(IsMidiPlaying());
    QFile broken("broken.mid");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("MThd but nothing a synth could read");
    broken.close();
    PlayMidi("broken.mid");
    // The synth finds out only when it starts reading; then the piece simply ends.
    EXPECT_TRUE(driver::RunUntil([] { return !IsMidiPlaying(); }, 1000));
    GameState.musicFile = "nowhere.mid";
    KeepMidiPlaying();
    EXPECT_FALSE(IsMidiPlaying());

    sndPlaySound("nowhere.wav", SND_ASYNC | SND_NODEFAULT);
    EXPECT_FALSE(media::EffectPlaying());
    sndPlaySound("nowhere.wav", SND_ASYNC);  // the default beep
    EXPECT_TRUE(media::EffectPlaying());
}

TEST_F(MusicTest, ANewEffectCutsOffTheOneStillPlaying) {
    testfiles::WriteWav("KVDEMO.WAV", 3.0);
    testfiles::WriteWav("Dummy.wav", 0.05);
    sndPlaySound("KVDEMO.WAV", SND_ASYNC);
    EXPECT_TRUE(media::EffectPlaying());
    sndPlaySound("Dummy.wav", SND_ASYNC | SND_NODEFAULT);
    // The three-second jingle would still be playing had it not been replaced.
    EXPECT_TRUE(driver::RunUntil([] { return !media::EffectPlaying(); }, 1000));
}

TEST_F(MusicTest, CommandLayerAnswersModesAndErrors) {
    QString answer = "x";
    EXPECT_EQ(mciSendString("Status Midi mode", &answer), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_TRUE(answer.isEmpty());
    EXPECT_EQ(mciSendString("close Midi"), MCIERR_INVALID_DEVICE_NAME);  // harmless

    testfiles::WriteMidi("a b.mid", 1.0);
    const QString open = "open \"" + QDir::currentPath() + "/a b.mid\" type sequencer alias Midi";
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

    QSet<QString> texts;
    for (int code : {0, 261, 263, 274, 275, 289, 296, 999}) texts.insert(mciGetErrorString(code));
    EXPECT_EQ(texts.size(), 8);
}

}  // namespace

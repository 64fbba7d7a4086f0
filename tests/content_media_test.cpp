#include <gtest/gtest.h>
#include <QFile>
#include <QtEndian>

#include "media/audio.h"
#include "tests/support/driver.h"

namespace {

QString RunTimeFile(const char* name) {
    return QStringLiteral(VELMORA_DATA_DIR "/") + name;
}

struct Piece {
    const char* file;
    double minSeconds, maxSeconds;
};

// Loops last long enough not to repeat too soon; the staff roll must be over before the roll
// closes at 80.5 s.
constexpr Piece kPieces[] = {
    {"M390C.mid", 40, 71}, {"M391C.mid", 30, 61}, {"M392C.mid", 60, 101}, {"M393C.mid", 70, 80.5},
    {"M394C.mid", 40, 81}, {"M310C.mid", 30, 61}, {"M320C.mid", 30, 61},  {"M330C.mid", 30, 61},
    {"M340C.mid", 30, 61}, {"M350C.mid", 30, 61}, {"M360C.mid", 30, 61},
};

TEST(ContentMedia, EveryPieceIsAudibleThroughTheGameSynthForItsLength) {
    media::StartAudio();
    ASSERT_FALSE(media::SoundfontPath().isEmpty()) << "the General MIDI soundfont is installed";
    for (const Piece& piece : kPieces) {
        const media::RenderedPiece r = media::RenderMidiFile(RunTimeFile(piece.file), 150);
        ASSERT_TRUE(r.ok) << piece.file;
        EXPECT_GE(r.seconds, piece.minSeconds) << piece.file;
        EXPECT_LE(r.seconds, piece.maxSeconds) << piece.file;
        EXPECT_GT(r.peak, 0.05f) << piece.file;
        EXPECT_LT(r.peak, 1.0f) << piece.file << " clips";
        EXPECT_GT(r.rms, 0.01) << piece.file;
    }
}

struct Sound {
    const char* file;
    double minSeconds, maxSeconds;
    bool silent;
};

TEST(ContentMedia, EverySoundOpensWithItsLength) {
    for (const Sound& sound :
         {Sound{"Keitai3.WAV", 1.5, 2.6, false}, Sound{"KVDEMO.WAV", 1.0, 2.0, false},
          Sound{"Dummy.wav", 0.01, 0.5, true}}) {
        QFile file(RunTimeFile(sound.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << sound.file;
        const QByteArray bytes = file.readAll();
        ASSERT_TRUE(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE") << sound.file;
        const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
        const int channels = qFromLittleEndian<quint16>(p + 22);
        const int rate = static_cast<int>(qFromLittleEndian<quint32>(p + 24));
        const int bits = qFromLittleEndian<quint16>(p + 34);
        const auto dataAt = bytes.indexOf("data");
        ASSERT_GT(dataAt, 0);
        const double seconds = qFromLittleEndian<quint32>(p + dataAt + 4) /
                               static_cast<double>(rate * channels * bits / 8);
        EXPECT_GE(seconds, sound.minSeconds) << sound.file;
        EXPECT_LE(seconds, sound.maxSeconds) << sound.file;
        int loudest = 0;
        for (qsizetype i = dataAt + 8; i + 1 < bytes.size(); i += 2)
            loudest = std::max(loudest, std::abs(qFromLittleEndian<qint16>(p + i)));
        EXPECT_EQ(loudest < 64, sound.silent) << sound.file;

        // The game's own player takes it: it plays instead of the default beep.
        media::PlayEffect(RunTimeFile(sound.file), true);
        EXPECT_TRUE(media::EffectPlaying()) << sound.file;
    }
}

}  // namespace

// The window layer, the records, the data reader and the media, each on its own.

#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QStringDecoder>

#include "campus/CampusScreen.h"
#include "campus/presenter.h"
#include "conversation/delimited.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/music.h"
#include "core/savefile.h"
#include "frontend/StartMenu.h"
#include "frontend/TitleScreen.h"
#include "media/audio.h"
#include "media/sound.h"
#include "records/clearrecord.h"
#include "tests/support/files.h"
#include "tests/support/player.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/runtime.h"
#include "ui/textroom.h"

namespace {

TEST(WindowLayer, TimersRunNestedInsideAWaitingHandlerInTheOrderTheyStarted) {
    QStringList fired;
    ui::Timer slow(nullptr, 20, true);
    ui::Timer early(nullptr, 10, true);
    ui::Timer late(nullptr, 10, true);  // due with `early`, started after it
    int depth = 0, deepest = 0, slowTicks = 0;
    bool released = false;
    slow.onTimer = [&] {
        ++slowTicks;
        ++depth;
        deepest = std::max(deepest, depth);
        // The first tick waits, as a scene waiting for a click would; the fifth releases it.
        if (depth == 1) ui::WaitUntil([&] { return released; }, QStringLiteral("slow tick"));
        if (slowTicks == 5) released = true;
        --depth;
    };
    early.onTimer = [&] { fired.append(QStringLiteral("early@%1").arg(ui::NowMs() % 1000)); };
    late.onTimer = [&] {
        fired.append(QStringLiteral("late@%1").arg(ui::NowMs() % 1000));
        late.SetInterval(0);  // no more ticks
    };
    const ui::GameMs start = ui::NowMs();
    Player player;
    player.Run(
        QStringLiteral("five slow ticks"), [&] { return slowTicks >= 5 && depth == 0; },
        Seconds(1));
    EXPECT_EQ(deepest, 2);                // the slow timer's own later ticks ran inside its first
    EXPECT_EQ(ui::NowMs() - start, 100);  // game time, exactly
    const QString at = QString::number((start + 10) % 1000);
    EXPECT_EQ(fired.mid(0, 2), (QStringList{"early@" + at, "late@" + at}));
    EXPECT_EQ(
        std::count_if(fired.begin(), fired.end(), [](auto& f) { return f.startsWith("late"); }), 1);
}

TEST(WindowLayer, AScriptedStepThatNeverComesFailsAtOnceNamingTheWait) {
    ui::Timer ticking(nullptr, 1000, true);  // time goes on, but nothing clicks
    EXPECT_EXIT(
        {
            Player player;
            player.Then(
                "a click that never comes", [] { return false; }, [] {}, Seconds(10));
            ui::WaitUntil([] { return false; }, QStringLiteral("WaitForClick"));
        },
        testing::ExitedWithCode(1), "a click that never comes(.|\n)*waiting in: WaitForClick");
    // With no timer left, a wait that nothing can release fails as well.
    ticking.SetEnabled(false);
    EXPECT_EXIT(ui::WaitUntil([] { return false; }, QStringLiteral("the album")),
                testing::ExitedWithCode(1), "nothing is left to happen while waiting in the album");
}

TEST(ClearRecord, MarkersGainEntriesAndVariantBitsInPlace) {
    EXPECT_EQ(UpdatedClearRecord("", 6, kConfessionBit), "亮1");
    EXPECT_EQ(UpdatedClearRecord("恵1", 1, kMutualLoveBit), "恵1敬2");
    EXPECT_EQ(UpdatedClearRecord("恵1敬2", 3, kMutualLoveBit), "恵3敬2");
    EXPECT_EQ(UpdatedClearRecord("恵3敬2", 3, kConfessionBit), "恵3敬2");
    // A stray character stays where it stands; a digit that is no digit counts as 0.
    EXPECT_EQ(UpdatedClearRecord("x1和?", 7, kConfessionBit), "x1和1");
    EXPECT_EQ(UpdatedClearRecord("和", 7, kConfessionBit), "和1");
    // A hand-edited digit takes the bit as it stands, written back as one hexadecimal digit;
    // only an ASCII digit counts as one.
    EXPECT_EQ(UpdatedClearRecord("恵9敬2", 3, kMutualLoveBit), "恵B敬2");
    EXPECT_EQ(UpdatedClearRecord("恵8敬2", 3, kConfessionBit), "恵9敬2");
    EXPECT_EQ(UpdatedClearRecord("恵7", 3, kMutualLoveBit), "恵7");
    EXPECT_EQ(UpdatedClearRecord("恵３敬2", 3, kMutualLoveBit), "恵2敬2");
}

TEST(SaveFile, EveryFieldRoundTripsInCp932WithCrLf) {
    GameState = SavedGame();
    QString problem;
    ASSERT_TRUE(WriteSave(problem)) << problem.toStdString();
    const QByteArray bytes = ReadBytes(kSaveFile);
    const QStringList lines = QString(QStringDecoder("CP932").decode(bytes)).split("\r\n");
    EXPECT_EQ(lines.size(), 18);  // seventeen records, each ended by CR LF
    EXPECT_EQ(lines.mid(0, 17), (QStringList{"小鳥遊", "ゆう", " 15", "E", "H", "L", "~", "!", "O",
                                             " 1", " 0", " 1", " 0", " 1", " 1", " 3", " 4"}));

    GameState = GameRecord{};
    ASSERT_TRUE(ReadSave(problem));
    ASSERT_TRUE(WriteSave(problem));
    EXPECT_EQ(ReadBytes(kSaveFile), bytes);  // every field read back as it was written

    // Values beyond what a letter carries are clamped into it.
    GameState.affection[1] = 60;
    GameState.affection[2] = -50;
    ASSERT_TRUE(WriteSave(problem));
    ASSERT_TRUE(ReadSave(problem));
    EXPECT_EQ(GameState.affection[1], 54);
    EXPECT_EQ(GameState.affection[2], -39);
}

// A name the save file cannot carry is refused, and one that it can has the room of eight
// full-width characters in the text line, measured by the room it takes there rather than by its
// count of characters. The menu's test refuses nine, and its new game takes ten Latin letters.
TEST(Names, TheSaveFileMustCarryThemAndTheyFitByTheRoomTheyTakeInTheTextLine) {
    for (const char* fine : {"山田", "ｶﾀｶﾅ", "O'Hara", "髙橋", "a b", " "})
        EXPECT_TRUE(NameProblem(fine).isEmpty()) << fine;
    // Nor one the CP932 save file has no letter for.
    for (const char* refused :
         {"山,田", "\"山田\"", " 山田", "山田 ", "山田　", "😀", "山田\t", "Zoë"})
        EXPECT_FALSE(NameProblem(refused).isEmpty()) << refused;
    const QFont line = LineFont();
    EXPECT_TRUE(ui::NameFits(QString(16, QChar(u'ｱ')), line));
    EXPECT_FALSE(ui::NameFits(QString(17, QChar(u'ｱ')), line));
    EXPECT_TRUE(ui::NameFits(QString(8, QChar(u'高')), line));
    EXPECT_TRUE(ui::NameFits(QString(15, QChar(u'ｱ')) + QChar(u'i'), line));
}

// Character keys give the codes of the classic event model; the rest give 0. That Return,
// Backspace and Esc read on at a click wait is the campus test's.
TEST(WindowLayer, EveryKeyThatProducesACharacterHasItsClassicCode) {
    const auto code = [](int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
        return ui::KeyAscii(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
    };
    EXPECT_EQ(code(Qt::Key_A, Qt::NoModifier, "a"), 'a');
    EXPECT_EQ(code(Qt::Key_Space, Qt::NoModifier, " "), ' ');
    EXPECT_EQ(code(Qt::Key_Enter, Qt::KeypadModifier, "\r"), 13);
    EXPECT_EQ(code(Qt::Key_A, Qt::ControlModifier, "a"), 1);  // as a test tool spells it
    EXPECT_EQ(code(Qt::Key_Z, Qt::ControlModifier, "\x1a"), 26);
    EXPECT_EQ(code(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "A"), 1);
    for (const int key : {Qt::Key_Up, Qt::Key_F11, Qt::Key_Shift, Qt::Key_Tab})
        EXPECT_EQ(code(key, Qt::NoModifier), 0) << key;
    EXPECT_EQ(code(Qt::Key_Delete, Qt::NoModifier, "\x7f"), 0);
    EXPECT_EQ(code(Qt::Key_A, Qt::AltModifier, "a"), 0);
    EXPECT_EQ(code(Qt::Key_1, Qt::ControlModifier, "1"), 0);
}

using conversation::DelimitedReader;

QStringList FieldsOf(const QString& text) {
    QStringList fields;
    for (auto reader = DelimitedReader::FromText(text); !reader.AtEnd();)
        fields << reader.ReadField();
    return fields;
}

// The data files' fields follow the classic sequential input rules, and in a line of them only
// the first name placeholder takes the family name.
TEST(DataLines, FieldsFollowTheClassicSequentialInputRulesAndOneNamePlaceholderIsFilled) {
    // Quoted fields keep commas and blanks; text after the closing quote is dropped; a quote
    // that never closes runs to the end.
    EXPECT_EQ(FieldsOf(R"("a, b","  padded  ",c)"), (QStringList{"a, b", "  padded  ", "c"}));
    EXPECT_EQ(FieldsOf("\"x\" junk,y\n\"z\"tail\nw"), (QStringList{"x", "y", "z", "w"}));
    EXPECT_EQ(FieldsOf("a,\"open, to the end"), (QStringList{"a", "open, to the end"}));
    // Unquoted fields are trimmed and may be empty.
    EXPECT_EQ(FieldsOf("  a  ,\tb\t,c d,,"), (QStringList{"a", "b", "c d", ""}));
    // Every line end ends a field and blank lines are skipped, up to the end, which stays.
    EXPECT_EQ(FieldsOf("a\r\nb\nc\rd\r\n\r\n   \r\n\ne\r\n"),
              (QStringList{"a", "b", "c", "d", "e"}));
    DelimitedReader reader = DelimitedReader::FromText("last\r\n\t\n");
    EXPECT_EQ(reader.ReadField(), "last");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.ReadField(), "");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(conversation::WithFamilyName("ＸＸＸ君、ＸＸＸって呼んでいい？", "山田"),
              "山田君、ＸＸＸって呼んでいい？");
}

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
        CampusScreen.Unload();
    }
    static QRgb ShownColour() {
        return CampusScreen->scenePicture->Picture().toImage().pixel(10, 10);
    }
    static void WritePicture(const char* file, Qt::GlobalColor colour, const char* format) {
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(colour);
        picture.save(file, format);
    }
    Player player;
    // A listener notices every 10 ms what is playing; without it no time would pass here.
    ui::Timer listening{nullptr, 10, true};
};

// A looping screen starts its piece again within its keeper's interval of the piece's written
// end. Measured in what the synth renders on the game clock: the silence between the last sound
// of one round and the first sound of the next.
TEST_F(Media, EveryLoopingScreenStartsItsPieceAgainWithinItsKeepersInterval) {
    ASSERT_FALSE(media::SoundfontPath().isEmpty()) << "the General MIDI soundfont is installed";
    struct Loop {
        const char* screen;
        const char* piece;
        std::function<void()> show;
        ui::GameMs keeperMs;
    };
    const Loop loops[] = {
        {"title", "M390C.mid", [] { TitleScreen->Show(); }, 7000},
        {"start menu", "M391C.mid", [] { StartMenu->Show(); }, 1000},
        {"campus", "M394C.mid", [] { CampusScreen->Show(); }, 1000},
    };
    for (const Loop& loop : loops) {
        SCOPED_TRACE(loop.screen);
        GameState.musicFile = loop.piece;
        StopMidi();
        loop.show();
        player.Run("the keeper starts the piece", IsMidiPlaying, Seconds(8));
        EXPECT_EQ(GameState.musicFile, loop.piece);
        const ui::GameMs firstRound = ui::NowMs();
        player.Run(
            "the piece ends", [] { return !IsMidiPlaying(); }, Seconds(90));
        const ui::GameMs lastSound = firstRound + media::ProbeSinceOpen().lastAudibleUs / 1000;
        player.Run("the keeper starts it again", IsMidiPlaying, Seconds(8));
        const ui::GameMs secondRound = ui::NowMs();
        player.Run(
            "it sounds again", [] { return media::ProbeSinceOpen().firstAudibleUs >= 0; },
            Seconds(1));
        const ui::GameMs gap =
            secondRound + media::ProbeSinceOpen().firstAudibleUs / 1000 - lastSound;
        RecordProperty(std::string(loop.screen) + " gap ms", static_cast<int>(gap));
        EXPECT_LE(gap, loop.keeperMs);
        TitleScreen.Unload();
        StartMenu.Unload();
        CampusScreen.Unload();
    }
}

// Missing and broken music and sounds leave the game running; a picture comes from its .VEL file
// in any format the bytes say, else from its .GIF.
TEST_F(Media, MissingAndBrokenMusicAndSoundsLeaveTheGameRunningAndPicturesFallBackToGif) {
    PlayMidi("nowhere.mid");
    EXPECT_FALSE(IsMidiPlaying());
    WriteBytes("broken.mid", "MThd but nothing a synth could read");
    PlayMidi("broken.mid");
    // The synth finds out only when it starts reading; then the piece simply ends.
    player.Run(
        "the broken piece ends", [] { return !IsMidiPlaying(); }, Seconds(1));

    sndPlaySound("nowhere.wav", SND_ASYNC | SND_NODEFAULT);
    EXPECT_FALSE(media::EffectPlaying());

    WritePicture("C321C.VEL", Qt::red, "JPEG");
    WritePicture("C321C.GIF", Qt::blue, "PNG");
    WritePicture("C310C.GIF", Qt::green, "BMP");  // named GIF, decided by its bytes
    QFile::remove("C310C.VEL");
    CampusScreen->Show();
    ShowLine("C321C", "…", QString());
    EXPECT_GT(qRed(ShownColour()), 200);  // the JPEG under .VEL won over the .GIF
    EXPECT_LT(qBlue(ShownColour()), 60);
    ShowLine("C310C", "…", QString());
    EXPECT_EQ(ShownColour(), QColor(Qt::green).rgb());
}

// A piece asked for again while it plays starts from the beginning; a scene asks for its theme
// through the same call, and keeps it playing when the theme is the same.
TEST_F(Media, ThePieceAskedForAgainRestartsButTheThemeFollowsThePersonDigitWithoutRestarting) {
    PlayMidi("M394C.mid");
    player.Wait(2);
    EXPECT_EQ(media::SequencePositionMs(), 2000);
    PlayMidi("M394C.mid");
    EXPECT_LT(media::SequencePositionMs(), 2000);
    EXPECT_TRUE(IsMidiPlaying());
    GameState.phase = Phase::Idle;
    CampusScreen->Show();
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
}

}  // namespace

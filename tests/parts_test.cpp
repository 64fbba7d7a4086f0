// The window layer, the records, the data reader and the media, each on its own.
#include <sys/resource.h>
#include <csignal>
#include <limits>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>
#include <QTest>

#include "conversation/delimited.h"
#include "conversation/script.h"
#include "conversation/presenter.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "media/KV_Midi.h"
#include "media/audio.h"
#include "media/mci.h"
#include "media/sound.h"
#include "records/clearrecord.h"
#include "records/savefile.h"
#include "records/settings.h"
#include "tests/support/player.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/runtime.h"

namespace {

// A screen that records the close requests it receives and can refuse them.
class RecordingForm : public ui::Form {
  public:
    RecordingForm() { SetClientSize(3000, 2000); }
    QList<int> reasons;
    bool refuse = false;

  protected:
    void Form_QueryUnload(int& cancel, int reason) override {
        reasons.append(reason);
        if (refuse) cancel = 1;
    }
};

ui::DefaultInstance<RecordingForm> Recording;

TEST(WindowLayer, FormsLoadOnFirstUseAndCloseRequestsCarryTheirReason) {
    RecordingForm* first = &Recording.Get();
    EXPECT_EQ(&Recording.Get(), first);  // the same instance while loaded
    first->Show();
    first->refuse = true;
    first->close();  // the window manager's close box
    ui::RequestCloseAll(ui::kCloseFromTaskManager);
    EXPECT_EQ(first->reasons, (QList<int>{ui::kCloseFromControlMenu, ui::kCloseFromTaskManager}));
    EXPECT_TRUE(first->isVisible());

    first->refuse = false;
    Recording.Unload();
    EXPECT_EQ(first->reasons.last(), ui::kCloseFromCode);
    EXPECT_TRUE(Recording.Get().reasons.isEmpty());  // loaded afresh
    Recording.Unload();
}

TEST(WindowLayer, TimersRunNestedInsideAWaitingHandlerInTheOrderTheyStarted) {
    RecordingForm owner;
    QStringList fired;
    ui::Timer slow(&owner, 20, true);
    ui::Timer early(&owner, 10, true);
    ui::Timer late(&owner, 10, true);  // due with `early`, started after it
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

TEST(WindowLayer, MessageBoxReturnsThePressedButtonAndEnterTakesTheDefault) {
    Player player;
    player.Answer(QMessageBox::No);
    EXPECT_EQ(ui::MsgBox(QStringLiteral("一行目\r\n二行目"), ui::vbYesNoCancel | ui::vbExclamation,
                         QStringLiteral("Velmora")),
              ui::vbNo);
    ASSERT_EQ(player.boxes.size(), 1);
    EXPECT_EQ(player.boxes[0].title, "Velmora");
    EXPECT_EQ(player.boxes[0].text, "一行目\n二行目");

    player.Then(
        "the second box", [] { return QApplication::activeModalWidget() != nullptr; },
        [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    EXPECT_EQ(ui::MsgBox(QStringLiteral("?"), ui::vbYesNo | ui::vbDefaultButton2, QString()),
              ui::vbNo);
}

TEST(WindowLayer, AScriptedStepThatNeverComesFailsAtOnceNamingTheWait) {
    RecordingForm form;
    ui::Timer ticking(&form, 1000, true);  // time goes on, but nothing clicks
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

QByteArray ReadBytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

GameRecord SavedGame() {
    GameRecord g;
    g.lineBreak = QStringLiteral("\r\n");
    g.familyName = QStringLiteral("小鳥遊");
    g.givenName = QStringLiteral("ゆう");
    g.elapsedMinutes = 15;
    g.affection = {0, -3, 0, 4, 54, -39, 7};
    g.metStage = {0, 1, 0, 1, 0, 1, 1};
    g.targetHeroine = 3;
    g.currentLocation = 4;
    g.phase = Phase::Idle;
    return g;
}

TEST(ClearRecord, MarkersGainEntriesAndVariantBitsInPlace) {
    EXPECT_EQ(UpdatedClearRecord("", 6, kConfessionBit), "亮1");
    EXPECT_EQ(UpdatedClearRecord("恵1", 1, kMutualLoveBit), "恵1敬2");
    EXPECT_EQ(UpdatedClearRecord("恵1敬2", 3, kMutualLoveBit), "恵3敬2");
    EXPECT_EQ(UpdatedClearRecord("恵3敬2", 3, kConfessionBit), "恵3敬2");
    EXPECT_EQ(UpdatedClearRecord("敬2", 1, kMutualLoveBit), "敬2");
    EXPECT_EQ(UpdatedClearRecord("敬2亮1", 8, kConfessionBit), "敬2亮1敏1");
    // A stray character stays where it stands; a digit that is no digit counts as 0.
    EXPECT_EQ(UpdatedClearRecord("x1和?", 7, kConfessionBit), "x1和1");
    EXPECT_EQ(UpdatedClearRecord("和", 7, kConfessionBit), "和1");
}

TEST(SettingsStore, KeysMatchWithoutCase) {
    EXPECT_TRUE(GetSetting("CString").isEmpty());
    SaveSetting("CString", "恵1敬2");
    SaveSetting("SavedMyouji", "山田");
    SaveSetting("SavedNamae", "太郎");
    EXPECT_EQ(GetSetting("Cstring"), "恵1敬2");
    SaveSetting("CSTRING", "恵3敬2");
    EXPECT_EQ(GetSetting("CString"), "恵3敬2");
    QSettings file(SettingsFilePath(), QSettings::IniFormat);
    file.beginGroup("Velmora3");
    EXPECT_EQ(file.childKeys().size(), 3);  // still one clear record
    EXPECT_TRUE(SettingsFilePath().startsWith(QDir::currentPath() + "/config/"));
}

TEST(SaveFile, EveryFieldRoundTripsInCp932WithCrLf) {
    GameState = SavedGame();
    QString problem;
    ASSERT_TRUE(WriteSave(problem)) << problem.toStdString();
    const QByteArray bytes = ReadBytes(kSaveFile);
    const QStringList lines = QString(QStringDecoder("CP932").decode(bytes)).split("\r\n");
    EXPECT_EQ(lines.size(), 18);  // seventeen records, each ended by CR LF
    EXPECT_FALSE(bytes.contains("\r\r"));
    EXPECT_EQ(lines.mid(0, 17), (QStringList{"小鳥遊", "ゆう", " 15", "E", "H", "L", "~", "!", "O",
                                             " 1", " 0", " 1", " 0", " 1", " 1", " 3", " 4"}));

    GameState = GameRecord{};
    GameState.mailCount = 2;
    ASSERT_TRUE(ReadSave(problem));
    EXPECT_EQ(GameState.mailCount, 2);  // not saved, left alone
    EXPECT_EQ(GameState.affection, SavedGame().affection);
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

TEST(SaveFile, DamagedFilesAreReportedKeptAndLoadNothing) {
    GameState = SavedGame();
    QString problem;
    ASSERT_TRUE(WriteSave(problem));
    const QByteArray good = ReadBytes(kSaveFile);
    const QList<QByteArray> lines = good.split('\n');

    struct Case {
        const char* name;
        QByteArray bytes;
    };
    QByteArray notNumber = good;
    notNumber.replace(" 15\r\n", "ABC\r\n");
    QByteArray badLetter = good;
    badLetter.replace("\r\nE\r\n", "\r\nEE\r\n");
    const Case cases[] = {
        {"cut short", lines.mid(0, 10).join('\n')},
        {"text where a number belongs", notNumber},
        {"two letters for one affection", badLetter},
        {"empty", QByteArray()},
    };
    for (const Case& c : cases) {
        WriteBytes(kSaveFile, c.bytes);
        GameState = GameRecord{};
        GameState.familyName = "before";
        EXPECT_FALSE(ReadSave(problem)) << c.name;
        EXPECT_TRUE(problem.contains(kSaveFile)) << c.name;
        EXPECT_EQ(GameState.familyName, "before") << c.name;  // nothing half-loaded
        EXPECT_EQ(ReadBytes(kSaveFile), c.bytes) << c.name;   // the file is kept
    }
}

TEST(SaveFile, NamesTheFormatCannotCarryAreRefused) {
    for (const char* fine : {"山田", "ｶﾀｶﾅ", "O'Hara", "髙橋", "a b"})
        EXPECT_TRUE(NameProblem(fine).isEmpty()) << fine;
    for (const char* refused : {"山,田", "\"山田\"", " 山田", "山田 ", "山田　", "😀", "山田\t"})
        EXPECT_FALSE(NameProblem(refused).isEmpty()) << refused;
}

// As a full disk does: every write fails, so the save cannot be completed.
class FullDisk {
  public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = previous_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }

  private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

TEST(SaveFile, ASaveThatCannotBeWrittenKeepsTheOldOneAndTheGameGoesOn) {
    GameState = SavedGame();
    QString problem;
    ASSERT_TRUE(WriteSave(problem));
    const QByteArray old = ReadBytes(kSaveFile);
    GameState.elapsedMinutes = 20;
    // Yes at the quit prompt: the failure is told and the game stays.
    VelMain->Show();
    Player player;
    player.Answer(QMessageBox::Yes).Answer(QMessageBox::Ok);
    int cancel = 0;
    {
        FullDisk disk;
        QuitPrompt(cancel, ui::kCloseFromControlMenu);
    }
    EXPECT_EQ(cancel, 1);
    EXPECT_TRUE(player.boxes.value(1).text.startsWith("セーブできませんでした。"));
    EXPECT_EQ(ReadBytes(kSaveFile), old);
    VelMain.Unload();
}

using conversation::DelimitedReader;
using conversation::LeadingNumber;

QStringList FieldsOf(const QString& text) {
    QStringList fields;
    for (auto reader = DelimitedReader::FromText(text); !reader.AtEnd();)
        fields << reader.ReadField();
    return fields;
}

TEST(DelimitedReader, FieldsFollowTheClassicSequentialInputRules) {
    // Quoted fields keep commas and blanks; text after the closing quote is dropped; a quote
    // that never closes runs to the end.
    EXPECT_EQ(FieldsOf(R"("a, b","  padded  ",c)"), (QStringList{"a, b", "  padded  ", "c"}));
    EXPECT_EQ(FieldsOf("\"x\" junk,y\n\"z\"tail\nw"), (QStringList{"x", "y", "z", "w"}));
    EXPECT_EQ(FieldsOf("a,\"open, to the end"), (QStringList{"a", "open, to the end"}));
    // Unquoted fields are trimmed and may be empty.
    EXPECT_EQ(FieldsOf("  a  ,\tb\t,c d,,"), (QStringList{"a", "b", "c d", ""}));
    EXPECT_EQ(FieldsOf(R"(,"",b)"), (QStringList{"", "", "b"}));
    // Every line end ends a field, blank lines are skipped, and a record reads the same on one
    // line or several.
    EXPECT_EQ(FieldsOf("a\r\nb\nc\rd\r\n\r\n   \r\n\ne\r\n"),
              (QStringList{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(FieldsOf("21A,210,211\r\n212"), FieldsOf("21A,210,211,212"));

    DelimitedReader reader = DelimitedReader::FromText("first,last");
    EXPECT_EQ(reader.ReadField(), "first");
    EXPECT_EQ(reader.ReadField(), "last");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.ReadField(), "");  // and it stays at the end
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_TRUE(DelimitedReader::FromText("  \r\n\t\n").AtEnd());
}

TEST(DataLines, OnlyTheFirstNamePlaceholderTakesTheFamilyName) {
    EXPECT_EQ(conversation::WithFamilyName("ＸＸＸ君、ＸＸＸって呼んでいい？", "山田"),
              "山田君、ＸＸＸって呼んでいい？");
    EXPECT_EQ(conversation::WithFamilyName("こんにちは", "山田"), "こんにちは");
}

TEST(LeadingNumber, ReadsLikeTheClassicNumberInput) {
    const std::pair<const char16_t*, int> cases[] = {
        {u"007abc", 7},
        {u"-3", -3},
        {u"+5", 5},
        {u"abc", 0},
        {u"", 0},
        {u"3-4", 3},
        {u"１２３", 0},  // full-width digits are text
        {u"99999999999999999999", std::numeric_limits<int>::max()},
    };
    for (auto [text, number] : cases)
        EXPECT_EQ(LeadingNumber(text), number) << QString::fromUtf16(text).toStdString();
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
    player.Run(
        "the piece ends", [] { return !IsMidiPlaying(); }, Seconds(60));
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
    player.Run(
        "the broken piece ends", [] { return !IsMidiPlaying(); }, Seconds(1));

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

TEST_F(Media, TheCommandLayerOpensPathsWithBlanksAndAnswersModes) {
    QString answer = "x";
    EXPECT_EQ(mciSendString("Status Midi mode", &answer), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_TRUE(answer.isEmpty());
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

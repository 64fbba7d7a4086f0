#include <sys/resource.h>

#include <csignal>

#include <gtest/gtest.h>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QStringDecoder>

#include "core/GameState.h"
#include "core/VelMain.h"
#include "records/clearrecord.h"
#include "records/savefile.h"
#include "records/settings.h"
#include "tests/support/player.h"
#include "tests/support/sandbox.h"

namespace {

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

TEST(SettingsStore, KeysMatchWithoutCaseAndTheSectionDeletesWhole) {
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
    EXPECT_TRUE(SettingsFilePath().startsWith(Sandbox::Dir() + "/config/"));

    DeleteSettingsSection();
    for (const char* key : {"CString", "SavedMyouji", "SavedNamae"})
        EXPECT_TRUE(GetSetting(key).isEmpty());
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
    const GameRecord expected = SavedGame();
    EXPECT_EQ(GameState.familyName, expected.familyName);
    EXPECT_EQ(GameState.givenName, expected.givenName);
    EXPECT_EQ(GameState.elapsedMinutes, expected.elapsedMinutes);
    EXPECT_EQ(GameState.affection, expected.affection);
    EXPECT_EQ(GameState.metStage, expected.metStage);
    EXPECT_EQ(GameState.targetHeroine, expected.targetHeroine);
    EXPECT_EQ(GameState.currentLocation, expected.currentLocation);
    EXPECT_EQ(GameState.mailCount, 2);  // not saved, left alone

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
    QFile::remove(kSaveFile);
    EXPECT_FALSE(SaveExists());
    EXPECT_FALSE(ReadSave(problem));

    // The start menu's loader reports it too and starts nothing.
    WriteBytes(kSaveFile, cases[0].bytes);
    Player player;
    player.Answer(QMessageBox::Ok);
    EXPECT_FALSE(LoadSavedGame());
    EXPECT_EQ(player.boxes.size(), 1);
    EXPECT_FALSE(VelMain.IsLoaded());
    EXPECT_TRUE(SaveExists());
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
    {
        FullDisk disk;
        EXPECT_FALSE(WriteSave(problem));
    }
    EXPECT_EQ(ReadBytes(kSaveFile), old);

    // Through the quit prompt: Yes, then the failure is told and the game stays.
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

}  // namespace

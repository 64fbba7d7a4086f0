// The files the game keeps and reads when they are damaged, foreign, too large or unwritable.
#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStringEncoder>

#include "conversation/delimited.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/savefile.h"
#include "records/clearrecord.h"
#include "records/safewrite.h"
#include "records/settings.h"
#include "tests/support/files.h"
#include "tests/support/player.h"
#include "ui/folders.h"

namespace {

QString SystemWords(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The lines of a saved game, each with its CR.
QList<QByteArray> SavedLines() {
    GameState = SavedGame();
    QString problem;
    EXPECT_TRUE(WriteSave(problem)) << problem;
    return ReadBytes(kSaveFile).split('\n');
}

TEST(SaveFile, DamagedOutOfRangeAndForeignSavesAreToldAndKeptAndLfOrKanaSavesLoad) {
    const QList<QByteArray> good = SavedLines();
    const auto with = [&](int line, const char* value) {
        QList<QByteArray> lines = good;
        lines[line - 1] = QByteArray(value) + '\r';
        return lines.join('\n');
    };
    const QByteArray utf8 = QString(QStringDecoder("CP932").decode(good.join('\n'))).toUtf8();
    const struct {
        QByteArray bytes;
        QString told;
    } cases[] = {
        {good.mid(0, 10).join('\n'), "途中で切れています"},
        {QByteArray(), "途中で切れています"},
        {with(3, "ABC"), "3 行目が数字ではありません"},
        {with(4, "EE"), "4 行目が読めません"},
        {with(3, "-100"), "3 行目の -100 は 0 から 30"},
        {with(3, "32767"), "3 行目の 32767 は"},
        {with(11, " 2"), "11 行目の 2 は 0 から 1"},
        {with(16, " 10"), "16 行目の 10 は 0 から 9"},
        {with(17, " 99"), "17 行目の 99 は 1 から 7"},
        {with(17, " 0"), "17 行目の 0 は"},
        {utf8, "VEL3DATA.DAT はこのゲームのセーブデータではありません。"},
        {"\xEF\xBB\xBF" + utf8, "VEL3DATA.DAT はこのゲームのセーブデータではありません。"},
    };
    QString problem;
    for (const auto& c : cases) {
        WriteBytes(kSaveFile, c.bytes);
        GameState = GameRecord{};
        EXPECT_FALSE(ReadSave(problem)) << c.told;
        EXPECT_TRUE(problem.contains(c.told)) << problem;
        EXPECT_TRUE(GameState.familyName.isEmpty()) << c.told;  // nothing half-loaded
        EXPECT_EQ(ReadBytes(kSaveFile), c.bytes) << c.told;
    }
    // LF line ends load; so do CP932 names whose bytes also read as UTF-8 ("ﾃｱ" as "ñ").
    QList<QByteArray> lf = good;
    lf[0] = "Yamada";
    lf[1] = QStringEncoder("CP932").encode(QStringLiteral("ﾃｱ"));
    for (QByteArray& line : lf) line.replace("\r", "");
    WriteBytes(kSaveFile, lf.join('\n'));
    ASSERT_TRUE(ReadSave(problem)) << problem;
    EXPECT_EQ(GameState.givenName, "ﾃｱ");
    EXPECT_EQ(GameState.currentLocation, 4);
    EXPECT_EQ(GameState.metStage[6], 1);
}

TEST(SaveFile, AFailedOrKilledSaveKeepsTheOldSaveAndLeavesNothingBehindAndAFailureNamesItsCause) {
    SavedLines();
    const QByteArray old = ReadBytes(kSaveFile);
    GameState.elapsedMinutes = 20;
    QString problem;
    for (const auto& [error, told] : {std::pair{ENOSPC, "ディスクの空きが足りません"},
                                      std::pair{EROFS, "は読み取り専用のディスクにあります"}}) {
        FailWritesWith(error);
        EXPECT_FALSE(WriteSave(problem));
        FailWritesWith(0);
        EXPECT_TRUE(problem.contains(QString::fromUtf8(told))) << problem;
        EXPECT_EQ(ReadBytes(kSaveFile), old);
        EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{kSaveFile});
    }
    // The leftovers of a save killed on its way are removed, and nothing else.
    const QStringList kept{"Other.DAT.saving-Ab12Cd", kSaveFile, "VEL3DATA.DAT.backup",
                           "VEL3DATA.DAT.saving-Ab12"};
    for (const QString& name : kept + QStringList{"VEL3DATA.DAT.saving-x9Yz0Q"})
        if (name != kSaveFile) WriteBytes(name, "half a save");
    RemoveLeftoverSaveFiles();
    EXPECT_EQ(QDir().entryList(QDir::Files, QDir::Name), kept);
    EXPECT_EQ(ReadBytes(kSaveFile), old);
    // A folder where the save belongs: the system's own words, and no temporary file left.
    for (const QString& name : QDir().entryList(QDir::Files)) QFile::remove(name);
    QDir().mkdir(kSaveFile);
    EXPECT_FALSE(WriteSave(problem));
    EXPECT_TRUE(problem.contains(SystemWords(EISDIR))) << problem;
    EXPECT_TRUE(QDir().entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(Settings, AStoreThatCannotBeWrittenIsToldOnceWithItsCauseAndTheGameGoesOn) {
    const QString folder = QFileInfo(SettingsFilePath()).path();
    WriteBytes(folder, "a file where the folder belongs");
    Player player;
    player.Answer(QMessageBox::Ok);
    SaveSetting(kSavedFamilyNameKey, "山田");
    SaveSetting(kSavedGivenNameKey, "太郎");  // a second box would stall the test
    ASSERT_EQ(player.boxes.size(), 1);
    EXPECT_TRUE(player.boxes[0].text.startsWith("名前やクリアの記録などの設定を保存できません。"));
    EXPECT_TRUE(player.boxes[0].text.contains(SystemWords(ENOTDIR))) << player.boxes[0].text;

    // Once the folder is back the store works, and a full disk later is told again.
    QFile::remove(folder);
    SaveSetting(kSavedFamilyNameKey, "山田");
    player.Answer(QMessageBox::Ok);
    {
        FullDisk disk;
        SaveSetting(kClearRecordKey, "亮1");
    }
    ASSERT_EQ(player.boxes.size(), 2);
    EXPECT_TRUE(player.boxes[1].text.contains(SystemWords(EFBIG))) << player.boxes[1].text;
    EXPECT_TRUE(ReadBytes(SettingsFilePath()).contains("山田"));
    EXPECT_FALSE(ReadBytes(SettingsFilePath()).contains("亮1"));
}

TEST(ClearRecord, ARowWithACommaReadsBackAsWrittenAndTheNextWinKeepsIt) {
    QDir().mkpath(QFileInfo(SettingsFilePath()).path());
    WriteBytes(SettingsFilePath(), "[Velmora3]\nCString=恵,敬2\n");
    EXPECT_EQ(GetSetting(kClearRecordKey), "恵,敬2");
    SaveSetting(kClearRecordKey, UpdatedClearRecord(GetSetting(kClearRecordKey), 6, 1));
    EXPECT_EQ(GetSetting(QStringLiteral("Cstring")), "恵,敬2亮1");
}

// A UTF-8 file is read, an edit takes effect, an oversized file is refused by name, and a file in
// the run-time folder overrides the installed one while it is there. A reply of five characters
// has no words, and only a shorter one or one whose change is no number is damaged.
TEST(DataFiles, Utf8IsReadAnEditTakesEffectALocalOneOverridesAndADamagedOneIsNamed) {
    using conversation::kLinesFile, conversation::kRepliesFile;
    conversation::DataProblem problem;
    const QByteArray line = QStringLiteral("\"120屋上で何してたの？\"\n").toUtf8();
    for (const QByteArray& bytes : {line, "\xEF\xBB\xBF" + line}) {
        WriteBytes(kLinesFile, bytes);
        EXPECT_EQ(conversation::ReadPlayerLine(120, problem), "屋上で何してたの？");
    }
    // An edit of the same size is seen by its time.
    WriteBytes(kLinesFile, "\xEF\xBB\xBF" + QStringLiteral("\"120屋上で何をしてた？\"\n").toUtf8());
    QFile edited(kLinesFile);
    ASSERT_TRUE(edited.open(QIODevice::ReadWrite));
    edited.setFileTime(edited.fileTime(QFileDevice::FileModificationTime).addSecs(1),
                       QFileDevice::FileModificationTime);
    edited.close();
    EXPECT_EQ(conversation::ReadPlayerLine(120, problem), "屋上で何をしてた？");

    QFile::resize(kLinesFile, conversation::kLargestDataFile + 1);
    EXPECT_FALSE(conversation::ReadPlayerLine(120, problem));
    EXPECT_EQ(problem.file, kLinesFile);
    EXPECT_TRUE(problem.what.contains("大きすぎます")) << problem.what;

    QDir().mkdir("installed");
    ui::SetShippedDataFolder(QDir().absoluteFilePath("installed"));
    WriteBytes("installed/" + kLinesFile, line);
    WriteBytes(kLinesFile, QStringLiteral("\"120屋上にいたの？\"\n").toUtf8());
    EXPECT_EQ(conversation::ReadPlayerLine(120, problem), "屋上にいたの？");
    QFile::remove(kLinesFile);
    EXPECT_EQ(conversation::ReadPlayerLine(120, problem), "屋上で何してたの？");
    ui::SetShippedDataFolder({});

    WriteBytes(kRepliesFile,
               QStringLiteral("21A\n210+5\n211…-3\n2121\n213そうなの？xy\n").toUtf8());
    const auto silent = conversation::ReadReply("21A", 210, problem);
    ASSERT_TRUE(silent) << problem.what;
    EXPECT_EQ(silent->text, "");
    EXPECT_EQ(silent->change, 5);
    const auto dots = conversation::ReadReply("21A", 211, problem);
    ASSERT_TRUE(dots) << problem.what;
    EXPECT_EQ(dots->text, "…");
    EXPECT_EQ(dots->change, -3);
    EXPECT_FALSE(conversation::ReadReply("21A", 212, problem));
    EXPECT_EQ(problem.file, kRepliesFile);
    EXPECT_TRUE(problem.what.contains("2121")) << problem.what;
    EXPECT_FALSE(conversation::ReadReply("21A", 213, problem));  // a change that is no number
    EXPECT_EQ(problem.file, kRepliesFile);
}

}  // namespace

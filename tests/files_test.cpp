// The files the game keeps and reads when they are damaged, foreign, too large or unwritable.
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
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
#include "tests/support/player.h"

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString SystemWords(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Heroine 3 picked, at 4:45 PM in the library; saved and read back as a list of lines.
QList<QByteArray> SavedLines() {
    GameState = GameRecord{};
    GameState.familyName = QStringLiteral("山田");
    GameState.givenName = QStringLiteral("太郎");
    GameState.elapsedMinutes = 15;
    GameState.affection = {0, 1, 2, 3, 4, 5, 6};
    GameState.metStage = {0, 1, 0, 1, 0, 0, 1};
    GameState.targetHeroine = 3;
    GameState.currentLocation = 4;
    QString problem;
    EXPECT_TRUE(WriteSave(problem)) << problem;
    return Bytes(kSaveFile).split('\n');
}

TEST(SaveFile, OutOfRangeAndForeignSavesAreToldAndKeptAndLfOrKanaSavesLoad) {
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
        Put(kSaveFile, c.bytes);
        GameState = GameRecord{};
        EXPECT_FALSE(ReadSave(problem)) << c.told;
        EXPECT_TRUE(problem.contains(c.told)) << problem;
        EXPECT_TRUE(GameState.familyName.isEmpty()) << c.told;  // nothing half-loaded
        EXPECT_EQ(Bytes(kSaveFile), c.bytes) << c.told;
    }
    // LF line ends load; so do CP932 names whose bytes also read as UTF-8 ("ﾃｱ" as "ñ").
    QList<QByteArray> lf = good;
    lf[0] = "Yamada";
    lf[1] = QStringEncoder("CP932").encode(QStringLiteral("ﾃｱ"));
    for (QByteArray& line : lf) line.replace("\r", "");
    Put(kSaveFile, lf.join('\n'));
    ASSERT_TRUE(ReadSave(problem)) << problem;
    EXPECT_EQ(GameState.givenName, "ﾃｱ");
    EXPECT_EQ(GameState.currentLocation, 4);
    EXPECT_EQ(GameState.metStage[6], 1);
}

TEST(SaveFile, AFailedSaveNamesItsCauseKeepsTheOldSaveAndLeavesNothingBehind) {
    SavedLines();
    const QByteArray old = Bytes(kSaveFile);
    GameState.elapsedMinutes = 20;
    QString problem;
    for (const auto& [error, told] : {std::pair{ENOSPC, "ディスクの空きが足りません"},
                                      std::pair{EROFS, "は読み取り専用のディスクにあります"}}) {
        FailWritesWith(error);
        EXPECT_FALSE(WriteSave(problem));
        FailWritesWith(0);
        EXPECT_TRUE(problem.contains(QString::fromUtf8(told))) << problem;
        EXPECT_EQ(Bytes(kSaveFile), old);
        EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{kSaveFile});
    }
    // A folder where the save belongs: the system's own words, and no temporary file left.
    QFile::remove(kSaveFile);
    QDir().mkdir(kSaveFile);
    EXPECT_FALSE(WriteSave(problem));
    EXPECT_TRUE(problem.contains(SystemWords(EISDIR))) << problem;
    EXPECT_TRUE(QDir().entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(SaveFile, LeftoversOfAKilledSaveAreRemovedAndNothingElse) {
    SavedLines();
    const QByteArray save = Bytes(kSaveFile);
    const QStringList kept{"Other.DAT.saving-Ab12Cd", kSaveFile, "VEL3DATA.DAT.backup",
                           "VEL3DATA.DAT.saving-Ab12"};
    for (const QString& name : kept + QStringList{"VEL3DATA.DAT.saving-x9Yz0Q"})
        if (name != kSaveFile) Put(name, "half a save");
    RemoveLeftoverSaveFiles();
    EXPECT_EQ(QDir().entryList(QDir::Files, QDir::Name), kept);
    EXPECT_EQ(Bytes(kSaveFile), save);
}

// As a full disk does: every write fails.
class FullDisk {
  public:
    FullDisk() : previousSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &previous_);
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
    void (*previousSignal_)(int);
};

TEST(Settings, AStoreThatCannotBeWrittenIsToldOnceWithItsCauseAndTheGameGoesOn) {
    const QString folder = QFileInfo(SettingsFilePath()).path();
    Put(folder, "a file where the folder belongs");
    Player player;
    player.Answer(QMessageBox::Ok);
    SaveSetting(kSavedFamilyNameKey, "山田");
    SaveSetting(kSavedGivenNameKey, "太郎");  // a second box would stall the test
    ASSERT_EQ(player.boxes.size(), 1);
    EXPECT_TRUE(player.boxes[0].text.startsWith("名前とクリアの記録を保存できません。"));
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
    EXPECT_TRUE(Bytes(SettingsFilePath()).contains("山田"));
    EXPECT_FALSE(Bytes(SettingsFilePath()).contains("亮1"));
}

TEST(ClearRecord, ARowWithACommaReadsBackAsWrittenAndTheNextWinKeepsIt) {
    Put(SettingsFilePath(), "[Velmora3]\nCString=恵,敬2\n");
    EXPECT_EQ(GetSetting(kClearRecordKey), "恵,敬2");
    SaveSetting(kClearRecordKey, UpdatedClearRecord(GetSetting(kClearRecordKey), 6, 1));
    EXPECT_EQ(GetSetting(QStringLiteral("Cstring")), "恵,敬2亮1");
}

TEST(DataFiles, Utf8IsReadAnEditTakesEffectAndAnOversizedFileIsRefusedByName) {
    using conversation::kLinesFile;
    conversation::DataProblem problem;
    const QByteArray line = QStringLiteral("\"120屋上で何してたの？\"\n").toUtf8();
    for (const QByteArray& bytes : {line, "\xEF\xBB\xBF" + line}) {
        Put(kLinesFile, bytes);
        EXPECT_EQ(conversation::ReadPlayerLine(120, problem), "屋上で何してたの？");
    }
    // An edit of the same size is seen by its time.
    Put(kLinesFile, "\xEF\xBB\xBF" + QStringLiteral("\"120屋上で何をしてた？\"\n").toUtf8());
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
}

}  // namespace

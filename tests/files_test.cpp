// The files the game keeps and reads when they are damaged, foreign, too large or unwritable.
#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "conversation/delimited.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/savefile.h"
#include "records/safewrite.h"
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

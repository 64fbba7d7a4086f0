// The files the game keeps and reads when they are damaged, foreign, too large or unwritable.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "conversation/delimited.h"
#include "conversation/script.h"
#include "tests/support/player.h"

namespace {

void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
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

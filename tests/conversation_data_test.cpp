#include <gtest/gtest.h>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

#include "conversation/delimited.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/encounters.h"
#include "tests/support/player.h"

using conversation::DelimitedReader;
using conversation::LeadingNumber;

namespace {

constexpr qsizetype kMaxLineLength = 40;   // fits the choice button
constexpr qsizetype kMaxReplyLength = 78;  // fits the message label
const QString kNamePlaceholder = QString::fromUtf8("ＸＸＸ");

// Every conversation the game's timetable can start.
QStringList ConversationCodes() {
    QStringList codes;
    for (int minute = 0; minute < 30; ++minute)
        for (int location = 1; location <= kLocationCount; ++location)
            if (const int heroine = HeroineAt(minute, location))
                for (bool onArrival : {true, false})
                    if (const QString code = ConversationCode(location, heroine, onArrival);
                        !codes.contains(code))
                        codes << code;
    return codes;
}

QString DataPath(const char* name) {
    return QString(VELMORA_DATA_DIR "/") + name;
}

QStringList AllFields(const char* name) {
    DelimitedReader reader(DataPath(name));
    EXPECT_TRUE(reader.IsOpen()) << name;
    QStringList fields;
    while (!reader.AtEnd()) fields << reader.ReadField();
    return fields;
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Codes run from 100 to 999, so they can never read as a section header ("21A" reads as 21).
bool IsResponseCode(QStringView text) {
    return text.size() == 3 && text[0] >= u'1' && text[0] <= u'9' && IsDigit(text[1]) &&
           IsDigit(text[2]);
}

bool IsConversationCode(QStringView field) {
    return field.size() == 3 && field[0] >= u'1' && field[0] <= u'7' && field[1] >= u'1' &&
           field[1] <= u'6' && (field[2] == u'A' || field[2] == u'B');
}

// A sign and one digit, or two digits.
bool IsValidChange(QStringView change) {
    return change.size() == 2 && (change[0] == u'+' || change[0] == u'-' || IsDigit(change[0])) &&
           IsDigit(change[1]);
}

struct Candidates {
    QMap<QString, QList<int>> byConversation;
    QStringList order;
};

Candidates ReadCandidates() {
    Candidates result;
    DelimitedReader reader(DataPath("VelKCode.dat"));
    while (!reader.AtEnd()) {
        const QString code = reader.ReadField();
        result.order << code;
        QList<int>& codes = result.byConversation[code];
        for (int slot = 0; slot < 10; ++slot) {
            const QString field = reader.ReadField();
            EXPECT_TRUE(IsResponseCode(field))
                << code.toStdString() << " slot " << slot << ": " << field.toStdString();
            codes << LeadingNumber(field);
        }
    }
    return result;
}

// Reply fields of every section, by conversation code.
QMap<QString, QStringList> ReadSections() {
    QMap<QString, QStringList> sections;
    QString current;
    for (const QString& field : AllFields("VelResp.dat")) {
        if (IsConversationCode(field)) {
            EXPECT_FALSE(sections.contains(field)) << "section twice: " << field.toStdString();
            current = field;
            sections[current];
            continue;
        }
        EXPECT_FALSE(current.isEmpty()) << "reply before any section: " << field.toStdString();
        sections[current] << field;
    }
    return sections;
}

}  // namespace

TEST(ConversationData, FilesAreCp932WithCrLfLineEnds) {
    for (const char* name : {"VelKCode.dat", "VelKaiwa.dat", "VelResp.dat"}) {
        SCOPED_TRACE(name);
        QFile file(DataPath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_FALSE(bytes.isEmpty());
        // CP932 trail bytes never take the values of CR or LF, so a byte scan is exact.
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r') {
                EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
            } else if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
            }
        }
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        QStringDecoder decoder("CP932");
        ASSERT_TRUE(decoder.isValid());
        const QString text = decoder.decode(bytes);
        EXPECT_FALSE(decoder.hasError());
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    }
}

TEST(ConversationData, EveryConversationHasOneRecordOfTenDistinctCodes) {
    const Candidates candidates = ReadCandidates();
    QStringList expected = ConversationCodes();
    QStringList found = candidates.order;
    expected.sort();
    found.sort();
    EXPECT_EQ(found, expected);
    for (const QString& code : candidates.order) {
        const QList<int>& codes = candidates.byConversation[code];
        EXPECT_EQ(QSet<int>(codes.begin(), codes.end()).size(), 10) << code.toStdString();
    }
}

TEST(ConversationData, EveryCandidateHasOneLineAndAReplyInItsOwnSection) {
    QMap<int, int> lineCount;
    for (const QString& field : AllFields("VelKaiwa.dat")) {
        SCOPED_TRACE(field.toStdString());
        ASSERT_TRUE(IsResponseCode(QStringView(field).left(3)));
        const QStringView line = QStringView(field).mid(3);
        EXPECT_FALSE(line.trimmed().isEmpty());
        EXPECT_LE(line.size(), kMaxLineLength);
        EXPECT_LE(line.count(kNamePlaceholder), 1);  // only the first placeholder is replaced
        ++lineCount[LeadingNumber(field)];
    }

    const QMap<QString, QStringList> sections = ReadSections();
    const Candidates candidates = ReadCandidates();
    EXPECT_EQ(sections.keys(), candidates.byConversation.keys());
    for (auto it = candidates.byConversation.begin(); it != candidates.byConversation.end(); ++it) {
        const QString& conversation = it.key();
        QMap<int, int> replyCount;
        int winningReplies = 0;
        for (const QString& reply : sections.value(conversation)) {
            SCOPED_TRACE(reply.toStdString());
            ASSERT_GT(reply.size(), 5);
            ASSERT_TRUE(IsResponseCode(QStringView(reply).left(3)));
            EXPECT_TRUE(IsValidChange(QStringView(reply).right(2)));
            const QStringView text = QStringView(reply).mid(3, reply.size() - 5);
            EXPECT_FALSE(text.trimmed().isEmpty());
            EXPECT_LE(text.size(), kMaxReplyLength);
            EXPECT_LE(text.count(kNamePlaceholder), 1);
            ++replyCount[LeadingNumber(reply)];
            if (LeadingNumber(QStringView(reply).right(2)) >= 5) ++winningReplies;
        }
        for (int code : it.value()) {
            EXPECT_EQ(lineCount.value(code), 1) << "line " << code;
            EXPECT_EQ(replyCount.value(code), 1) << conversation.toStdString() << " reply " << code;
        }
        EXPECT_EQ(replyCount.size(), it.value().size())
            << conversation.toStdString() << " has replies to lines it never offers";
        EXPECT_GE(winningReplies, 1) << conversation.toStdString() << " can never win her";
    }
}

// Looks everything up with the game's own reader: every search starts at the top of the file and
// compares numbers, so a section header, a stray code or a duplicate would be found first.
TEST(ConversationData, TheGameFindsEachLineAndTheReplyOfItsOwnSection) {
    CopyGameData();
    const QMap<QString, QStringList> sections = ReadSections();
    EXPECT_EQ(ConversationCodes().size(), 30);
    for (const QString& conversation : ConversationCodes()) {
        SCOPED_TRACE(conversation.toStdString());
        conversation::DataProblem problem;
        const auto candidates = conversation::ReadCandidates(conversation, problem);
        ASSERT_TRUE(candidates) << problem.what.toStdString();
        for (int slot = 1; slot <= conversation::kCandidates; ++slot) {
            const int code = (*candidates)[static_cast<size_t>(slot)];
            EXPECT_TRUE(conversation::ReadPlayerLine(code, problem)) << problem.what.toStdString();
            const auto reply = conversation::ReadReply(conversation, code, problem);
            ASSERT_TRUE(reply) << problem.what.toStdString();
            const QStringList& own = sections.value(conversation);
            EXPECT_TRUE(std::any_of(own.begin(), own.end(),
                                    [&](const QString& field) {
                                        return LeadingNumber(QStringView(field).left(3)) == code &&
                                               field.mid(3, field.size() - 5) == reply->text;
                                    }))
                << "reply " << code << " found outside its own section";
        }
    }
}

// The English conversation files as the game reads them for a player who reads English: UTF-8
// only, from en/. The input is tried as the lines file and as the replies file.
#include <QDir>
#include <QSet>

#include "conversation/delimited.h"
#include "fuzz/conversations.h"

namespace {
constexpr int kAbsentCode = 1000;
constexpr qsizetype kMostCodes = 16;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using conversation::DataFileFor;
    const ui::Language english = ui::Language::English;
    ui::SetLanguage(english);
    QDir().mkpath(QStringLiteral("en"));
    const QByteArray bytes = fuzzing::Bytes(data, size);
    const QString lines = DataFileFor(conversation::kLinesFile, english);
    const QString replies = DataFileFor(conversation::kRepliesFile, english);
    fuzzing::WriteInput(lines, bytes);
    fuzzing::WriteInput(replies, bytes);

    const auto file = conversation::ParseDataFields(bytes, conversation::DataEncoding::Utf8);
    fuzzing::Expect(!file == !QByteArrayView(bytes).isValidUtf8(),
                    "a UTF-8 file, and only one, to be split into fields");
    QSet<int> codes;
    for (const QStringView field : file ? file->fields : std::vector<QStringView>{}) {
        if (codes.size() == kMostCodes) break;
        codes.insert(conversation::LeadingNumber(field.left(3)));
    }
    for (const int code : codes) {
        conversation::DataProblem problem;
        fuzzing::Expect(conversation::ReadPlayerLine(code, problem).has_value(),
                        "every code the file holds to find its line");
    }
    conversation::DataProblem problem;
    fuzzing::Expect(!conversation::ReadPlayerLine(kAbsentCode, problem),
                    "a code no line can hold to find nothing");
    fuzzing::ExpectReason(problem, lines);

    for (const QString& conversation : fuzzing::GameConversations()) {
        const int first = conversation::LeadingNumber(QStringView(conversation).left(2)) * 10;
        conversation::DataProblem replyProblem;
        if (!conversation::ReadReply(conversation, first, replyProblem))
            fuzzing::ExpectReason(replyProblem, replies);
        else
            fuzzing::Expect(file != nullptr, "no reply from a file that is no UTF-8");
    }
    return 0;
}

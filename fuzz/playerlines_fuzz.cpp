// The player's lines file as the game reads it when it offers answers.
#include <QSet>

#include "conversation/delimited.h"
#include "fuzz/conversations.h"

namespace {
// No field can begin with a four-digit code: the look-up must fail, and say why.
constexpr int kAbsentCode = 1000;
constexpr qsizetype kMostCodes = 16;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzing::Bytes(data, size);
    fuzzing::WriteInput(conversation::kLinesFile, bytes);
    // The codes the file's own fields begin with, as a line's code is written.
    QSet<int> codes;
    const auto file = conversation::ParseDataFields(bytes);
    for (const QStringView field : file->fields) {
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
    fuzzing::ExpectReason(problem, conversation::kLinesFile);
    return 0;
}

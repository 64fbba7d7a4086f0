// The replies file as the game reads it when the player has answered.
#include "conversation/delimited.h"
#include "fuzz/conversations.h"

namespace {
// A conversation's answers are coded by its first two digits and a third: ask the first, one in
// the middle and the last, and one that no reply can be written for.
constexpr int kAnswerDigits[] = {0, 4, 9};
constexpr int kAbsentCode = 1000;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::WriteInput(conversation::kRepliesFile, fuzzing::Bytes(data, size));
    for (const QString& conversation : fuzzing::GameConversations()) {
        const int first = conversation::LeadingNumber(QStringView(conversation).left(2)) * 10;
        for (const int digit : kAnswerDigits) {
            conversation::DataProblem problem;
            if (!conversation::ReadReply(conversation, first + digit, problem))
                fuzzing::ExpectReason(problem, conversation::kRepliesFile);
        }
        conversation::DataProblem problem;
        fuzzing::Expect(!conversation::ReadReply(conversation, kAbsentCode, problem),
                        "an answer no reply can be written for to find nothing");
        fuzzing::ExpectReason(problem, conversation::kRepliesFile);
    }
    return 0;
}

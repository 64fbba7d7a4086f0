// The candidates file as the game reads it when a conversation starts.
#include "fuzz/conversations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::WriteInput(conversation::kCodesFile, fuzzing::Bytes(data, size));
    for (const QString& code : fuzzing::GameConversations()) {
        conversation::DataProblem problem;
        if (!conversation::ReadCandidates(code, problem))
            fuzzing::ExpectReason(problem, conversation::kCodesFile);
    }
    return 0;
}

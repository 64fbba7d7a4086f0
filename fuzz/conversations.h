#pragma once

#include <QStringList>

#include "conversation/script.h"
#include "core/GameState.h"
#include "core/clock.h"
#include "core/encounters.h"
#include "fuzz/fuzzing.h"

namespace fuzzing {

// Every conversation the campus can start, as the game names them.
inline const QStringList& GameConversations() {
    static const QStringList codes = [] {
        QStringList found;
        for (int minute = 0; minute < kMinutesUntilClosing; ++minute)
            for (int location = 1; location <= kLocationCount; ++location)
                if (const int heroine = HeroineAt(minute, location); heroine != 0)
                    for (const bool onArrival : {true, false})
                        found.append(ConversationCode(location, heroine, onArrival));
        found.removeDuplicates();
        return found;
    }();
    return codes;
}

// A look-up that finds nothing must say so in words, naming its file.
inline void ExpectReason(const conversation::DataProblem& problem, const QString& file) {
    Expect(problem.file == file && !problem.what.isEmpty(),
           "a failed look-up to name its file and say what is wrong");
}

}  // namespace fuzzing

// Player names as typed, in UTF-8: a name the check lets through must come back from a save.
#include "core/GameState.h"
#include "core/savefile.h"
#include "fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString name = QString::fromUtf8(fuzzing::Bytes(data, size));
    if (!NameProblem(name).isEmpty()) return 0;

    GameRecord g;
    g.familyName = name;
    g.givenName = name;
    g.elapsedMinutes = 12;
    g.targetHeroine = 1;
    g.currentLocation = 1;
    GameState = g;
    QString problem;
    fuzzing::Expect(WriteSave(problem), "an accepted name to be saved");
    GameState = GameRecord{};
    fuzzing::Expect(ReadSave(problem), "a save with an accepted name to load");
    fuzzing::Expect(GameState.familyName == name && GameState.givenName == name,
                    "an accepted name to come back from the save as it was typed");
    return 0;
}

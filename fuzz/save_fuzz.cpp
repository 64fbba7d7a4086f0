// The save file on any bytes: what the loader accepts, the writer must give back unchanged.
#include <tuple>

#include "core/GameState.h"
#include "core/savefile.h"
#include "fuzz/fuzzing.h"

namespace {

// What a save holds of the game.
auto Saved(const GameRecord& g) {
    return std::tie(g.familyName, g.givenName, g.elapsedMinutes, g.affection, g.metStage,
                    g.targetHeroine, g.currentLocation);
}

// A game in progress, as the loader finds it before a load.
GameRecord Playing() {
    GameRecord g;
    g.familyName = QStringLiteral("前の");
    g.givenName = QStringLiteral("ゲーム");
    g.elapsedMinutes = 7;
    g.affection = {0, 1, 2, 3, 4, 5, 6};
    g.targetHeroine = 2;
    g.currentLocation = 3;
    return g;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::WriteInput(kSaveFile, fuzzing::Bytes(data, size));
    GameState = Playing();
    QString problem;
    if (!ReadSave(problem)) {
        fuzzing::Expect(!problem.isEmpty(), "a refused save to say why");
        fuzzing::Expect(Saved(GameState) == Saved(Playing()), "a refused save to change nothing");
        return 0;
    }
    const GameRecord loaded = GameState;
    fuzzing::Expect(WriteSave(problem), "a loaded game to save again");
    const QByteArray written = fuzzing::ReadBytes(kSaveFile);

    GameState = Playing();
    fuzzing::Expect(ReadSave(problem), "the game's own save to load");
    fuzzing::Expect(Saved(GameState) == Saved(loaded), "a saved game to load as it was");
    fuzzing::Expect(WriteSave(problem) && fuzzing::ReadBytes(kSaveFile) == written,
                    "the same game to save as the same bytes");
    return 0;
}

#include "endings/epilogue.h"

#include "campus/presenter.h"
#include "core/GameState.h"
#include "core/music.h"
#include "core/savefile.h"
#include "endings/StaffRoll.h"
#include "records/clearrecord.h"
#include "records/settings.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/runtime.h"

namespace {

bool g_winShown = false;  // the confession has played: the epilogue has begun
bool g_winRecorded = false;

// The end of a finished game: the staff roll, the win recorded, the program ended.
[[noreturn]] void RecordClear() {
    StopMidi();
    StaffRoll->ShowModal();
    StaffRoll.Unload();
    RecordShownWin();
    ui::EndProgram();
}

}  // namespace

void RecordShownWin() {
    const GameRecord& g = GameState;
    if (!g_winShown || g_winRecorded) return;
    g_winRecorded = true;
    if (g.endingHeroine < 7 &&
        g.affection[static_cast<size_t>(g.endingHeroine)] == kReplayAffection)
        return;
    const int variantBit = g.endingHeroine == g.targetHeroine ? kMutualLoveBit : kConfessionBit;
    SaveSetting(kClearRecordKey,
                UpdatedClearRecord(GetSetting(kClearRecordKey), g.endingHeroine, variantBit));
}

void PlayEpilogue() {
    GameRecord& g = GameState;
    g_winShown = true;
    if (SaveExists()) DeleteSave();
    Say(QStringLiteral("C380D"), story::Q(story::EpilogueCommonLine()));
    // Each line in the language of its moment: the player may switch in the middle.
    for (size_t i = 0; i < story::Epilogue(g.endingHeroine).size(); ++i) {
        const story::ScriptLine line = story::Epilogue(g.endingHeroine)[i];
        Say(QString(), story::Q(line.text).replace(story::Q(story::kGivenName), g.givenName),
            line.speaker == story::Speaker::Heroine ? story::Q(story::HeroineName(g.endingHeroine))
                                                    : QString());
    }
    RecordClear();
}

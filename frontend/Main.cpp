#include "frontend/Main.h"

#include <chrono>

#include "core/GameState.h"
#include "core/random.h"
#include "frontend/Demoform.h"
#include "frontend/VelTitle.h"
#include "media/KV_Midi.h"
#include "ui/gametime.h"
#include "ui/runtime.h"

void Main() {
    Demoform->Show();
    ui::WaitUntil([] { return !Demoform.IsLoaded() || !Demoform->isVisible(); },
                  QStringLiteral("logo demo"));
    Demoform.Unload();
    // Under virtual time the test or benchmark has seeded the draws, so a game can be replayed.
    if (!ui::IsVirtualTime())
        Randomize(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    GameState.lineBreak = QStringLiteral("\r\n");
    GameState.musicFile = QStringLiteral("M390C.mid");
    KeepMidiPlaying();
    VelTitle->Show();
}

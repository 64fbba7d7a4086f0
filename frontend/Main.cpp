#include "frontend/Main.h"

#include <chrono>

#include "core/GameState.h"
#include "core/music.h"
#include "core/random.h"
#include "core/savefile.h"
#include "frontend/LogoDemo.h"
#include "frontend/TitleScreen.h"
#include "frontend/session.h"
#include "ui/application.h"
#include "ui/gametime.h"
#include "ui/runtime.h"

void Main() {
    ui::KeepBeforeEndOnRequest(KeepOnEndRequest);
    RemoveLeftoverSaveFiles();
    LogoDemo->Show();
    ui::WaitUntil([] { return !LogoDemo.IsLoaded() || !LogoDemo->isVisible(); },
                  QStringLiteral("logo demo"));
    LogoDemo.Unload();
    // Under virtual time the test or benchmark has seeded the draws, so a game can be replayed.
    if (!ui::IsVirtualTime())
        Randomize(
            static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    GameState.lineBreak = QStringLiteral("\r\n");
    GameState.musicFile = QStringLiteral("M390C.mid");
    KeepMidiPlaying();
    TitleScreen->Show();
}

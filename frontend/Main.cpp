#include "frontend/Main.h"

#include <chrono>

#include <QGuiApplication>
#include <QScreen>

#include "campus/CampusScreen.h"
#include "core/GameState.h"
#include "core/music.h"
#include "core/random.h"
#include "core/savefile.h"
#include "frontend/LogoDemo.h"
#include "frontend/TitleScreen.h"
#include "frontend/session.h"
#include "records/settings.h"
#include "ui/application.h"
#include "ui/gametime.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {
// A window's frame before any window was shown: a usual title bar and thin borders.
const QMargins kFrameGuess(2, 32, 2, 2);
}  // namespace

int StartingScale(int requested) {
    if (requested != 0) return requested;
    bool stored = false;
    const int setting = GetComfortSetting(kScaleKey).toInt(&stored);
    if (stored && setting >= 1 && setting <= ui::kMaxScale) return setting;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return LargestFittingScale(screen->geometry(), screen->availableGeometry(), kFrameGuess);
}

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

#pragma once

#include <optional>

#include <QString>

#include "ui/language.h"

// The player's comforts: how loud, how large, which soundfont, whether full screen, which
// language. They live
// in the settings store's section of their own, which データ消去 leaves alone, and none of them
// changes what the game decides.
struct Comforts {
    int musicVolume = 100;  // 0 to 100
    bool musicMuted = false;
    int effectVolume = 100;
    bool effectMuted = false;
    int scale = 0;      // 1 to kMaxScale; 0: the largest at which the game fits the screen
    QString soundfont;  // empty: the system's
    bool fullScreen = false;
    // As stored; without a language stored, Japanese when the file is there (it is an earlier
    // version's), else the desktop's.
    ui::Language language = ui::Language::Japanese;
    bool selfVoicing = false;  // 自動読み上げ
    QString speechCommand;     // the player's own, given the text as its last argument
};
Comforts StoredComforts();
void StoreComforts(const Comforts& comforts);

// The game's scale in a window: `requested` (the command line's) when it is not 0, else the
// stored one, else the largest at which the campus screen and its dialog fit the primary screen.
int StartingScale(int requested);

// The language to start in: `requested` (the command line's) when given, else the stored one.
// At the first start, with no settings file yet, the desktop's language is the one the file is
// to be born with.
ui::Language StartingLanguage(std::optional<ui::Language> requested);

// Makes the stored comforts so at the start, the command line's scale and soundfont before them.
void StartWithComforts(int requestedScale, bool soundfontRequested);

// The mixer's volumes as `comforts` say, mutes included.
void ApplyVolumes(const Comforts& comforts);
// Full screen on or off, at the largest scale that fits the screen, and back to the scale in a
// window.
void SetFullScreenComfort(bool on);
void SetWindowScale(int scale);

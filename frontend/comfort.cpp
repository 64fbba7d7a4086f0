#include "frontend/comfort.h"

#include <QGuiApplication>
#include <QScreen>

#include "campus/CampusScreen.h"
#include "media/audio.h"
#include "records/settings.h"
#include "ui/Form.h"
#include "ui/twips.h"

namespace {

// A window's frame before any window was shown: a usual title bar and thin borders.
const QMargins kFrameGuess(2, 32, 2, 2);

const QString kMusicVolumeKey = QStringLiteral("MusicVolume");
const QString kMusicMutedKey = QStringLiteral("MusicMuted");
const QString kEffectVolumeKey = QStringLiteral("EffectVolume");
const QString kEffectMutedKey = QStringLiteral("EffectMuted");
const QString kSoundfontKey = QStringLiteral("Soundfont");
const QString kFullScreenKey = QStringLiteral("FullScreen");
const QString kSelfVoicingKey = QStringLiteral("SelfVoicing");
const QString kSpeechCommandKey = QStringLiteral("SpeechCommand");

int g_windowScale = 1;  // the scale to come back to from full screen

// A stored number in its range, else `otherwise`: the file is the player's to edit.
int StoredNumber(const QString& key, int low, int high, int otherwise) {
    bool number = false;
    const int value = GetComfortSetting(key).toInt(&number);
    return number && value >= low && value <= high ? value : otherwise;
}

int LargestFittingOnScreen(bool wholeScreen) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return LargestFittingScale(screen->geometry(),
                               wholeScreen ? screen->geometry() : screen->availableGeometry(),
                               kFrameGuess);
}

}  // namespace

Comforts StoredComforts() {
    Comforts c;
    c.musicVolume = StoredNumber(kMusicVolumeKey, 0, 100, 100);
    c.musicMuted = StoredNumber(kMusicMutedKey, 0, 1, 0) == 1;
    c.effectVolume = StoredNumber(kEffectVolumeKey, 0, 100, 100);
    c.effectMuted = StoredNumber(kEffectMutedKey, 0, 1, 0) == 1;
    c.scale = StoredNumber(kScaleKey, 1, ui::kMaxScale, 0);
    c.soundfont = GetComfortSetting(kSoundfontKey);
    c.fullScreen = StoredNumber(kFullScreenKey, 0, 1, 0) == 1;
    c.selfVoicing = StoredNumber(kSelfVoicingKey, 0, 1, 0) == 1;
    c.speechCommand = GetComfortSetting(kSpeechCommandKey);
    const auto language = ui::LanguageOfCode(GetComfortSetting(kLanguageKey));
    c.language = language            ? *language
                 : HasSettingsFile() ? ui::Language::Japanese
                                     : ui::DesktopLanguage();
    return c;
}

void StoreComforts(const Comforts& c) {
    const auto number = [](int value) { return QString::number(value); };
    SaveComfortSetting(kMusicVolumeKey, number(c.musicVolume));
    SaveComfortSetting(kMusicMutedKey, number(c.musicMuted));
    SaveComfortSetting(kEffectVolumeKey, number(c.effectVolume));
    SaveComfortSetting(kEffectMutedKey, number(c.effectMuted));
    SaveComfortSetting(kScaleKey, c.scale == 0 ? QString() : number(c.scale));
    SaveComfortSetting(kSoundfontKey, c.soundfont);
    SaveComfortSetting(kFullScreenKey, number(c.fullScreen));
    SaveComfortSetting(kSelfVoicingKey, number(c.selfVoicing));
    SaveComfortSetting(kSpeechCommandKey, c.speechCommand);
    SaveComfortSetting(kLanguageKey, ui::LanguageCode(c.language));
}

ui::Language StartingLanguage(std::optional<ui::Language> requested) {
    const ui::Language stored = StoredComforts().language;
    if (!HasSettingsFile()) SeedNewSettingsFile(kLanguageKey, ui::LanguageCode(stored));
    return requested.value_or(stored);
}

int StartingScale(int requested) {
    if (requested != 0) return requested;
    const int stored = StoredComforts().scale;
    return stored != 0 ? stored : LargestFittingOnScreen(false);
}

void StartWithComforts(int requestedScale, bool soundfontRequested) {
    const Comforts c = StoredComforts();
    if (!soundfontRequested && !c.soundfont.isEmpty()) media::UseSoundfont(c.soundfont);
    ApplyVolumes(c);
    g_windowScale = StartingScale(requestedScale);
    ui::SetScale(g_windowScale);
    if (c.fullScreen) SetFullScreenComfort(true);
}

void ApplyVolumes(const Comforts& c) {
    media::SetMusicVolume(c.musicMuted ? 0 : c.musicVolume);
    media::SetEffectVolume(c.effectMuted ? 0 : c.effectVolume);
}

void SetFullScreenComfort(bool on) {
    ui::SetFullScreen(on);
    ui::SetScale(on ? LargestFittingOnScreen(true) : g_windowScale);
}

void SetWindowScale(int scale) {
    g_windowScale = scale != 0 ? scale : LargestFittingOnScreen(false);
    if (!ui::IsFullScreen()) ui::SetScale(g_windowScale);
}

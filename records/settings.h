#pragma once

#include <QString>

// The per-user settings store: application "Korvane", section "Velmora3", kept in
// $XDG_CONFIG_HOME/Korvane/Velmora3.ini (~/.config when unset). Keys match without regard to
// letter case; a key never written reads as the empty string. A store that cannot be written is
// told to the player once, with the reason, and the game goes on.
QString GetSetting(const QString& key);
void SaveSetting(const QString& key, const QString& value);
void DeleteSettingsSection();
QString SettingsFilePath();

// The player's comfort settings (the game's scale, later the sound) live in a section of their
// own, "Comfort", in the same file. DeleteSettingsSection leaves them alone.
QString GetComfortSetting(const QString& key);
void SaveComfortSetting(const QString& key, const QString& value);
// Whether the settings file is there at all, from this version or an earlier one.
bool HasSettingsFile();
// A comfort a settings file is born with: written beside the first value ever saved into a file
// that does not exist yet. The first start decides some comforts (the language) from the
// desktop; they stay decided once the file exists, though nothing is written before the game
// has something of the player's to keep.
void SeedNewSettingsFile(const QString& comfortKey, const QString& value);

inline const QString kClearRecordKey = QStringLiteral("CString");
inline const QString kSavedFamilyNameKey = QStringLiteral("SavedMyouji");
inline const QString kSavedGivenNameKey = QStringLiteral("SavedNamae");
inline const QString kScaleKey = QStringLiteral("Scale");
inline const QString kLanguageKey = QStringLiteral("Language");

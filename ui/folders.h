#pragma once

#include <QString>

namespace ui {

// The game reads its files (data files, pictures, music, sounds) from two folders: the run-time
// folder, which is the current folder and holds the save, and the shipped data folder, read-only
// once installed. A file in the run-time folder overrides the shipped one of the same name, so a
// player can change a conversation without touching the system.

// The path to read the game file `name` from. A file found in neither folder is told once on
// standard error, and `name` comes back as it was, for the caller's own message.
QString GameFile(const QString& name);
// Whether either folder holds `name`; tells nothing.
bool HasGameFile(const QString& name);

void SetShippedDataFolder(const QString& folder);

// Chooses the folders and makes the run-time folder current. `chosen` (--data) names the
// run-time folder. Otherwise, in the build tree (the program beside its `data` folder) that
// folder is both; installed, the shipped folder is `<program>/../share/velmora3` and the run-time
// folder `$XDG_DATA_HOME/velmora3`, made on the first start. Returns what went wrong, in
// Japanese, or nothing.
QString EnterGameFolders(const QString& chosen);

}  // namespace ui

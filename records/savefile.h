#pragma once

#include <QString>

// One saved game, "VEL3DATA.DAT" in the game's folder: seventeen CP932 lines ended by CR LF.
inline const QString kSaveFile = QStringLiteral("VEL3DATA.DAT");

bool SaveExists();
void DeleteSave();

// Writes the game to the save file through a temporary file, so a failed save never harms the
// one before it. On failure `problem` says why.
bool WriteSave(QString& problem);

// Reads the save file into the game record. A missing, cut or damaged file changes nothing and
// says why in `problem`.
bool ReadSave(QString& problem);

// Why a name cannot be registered, or empty when it can: it must survive the save file.
QString NameProblem(const QString& name);

// The campus screen's close request: offers to save, then ends the program or goes on.
void QuitPrompt(int& cancel, int reason);

// The start menu's load button: reads the save, deletes it and resumes the game. When the file
// is damaged the player is told, the file is kept and false comes back.
bool LoadSavedGame();

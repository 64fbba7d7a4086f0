#pragma once

#include <QString>

// One saved game, "VEL3DATA.DAT" in the game's folder: seventeen CP932 lines ended by CR LF.
inline const QString kSaveFile = QStringLiteral("VEL3DATA.DAT");

bool SaveExists();
void DeleteSave();

// Writes the game to the save file through a temporary file, so a failed save never harms the
// one before it. On failure `problem` says why.
bool WriteSave(QString& problem);

// Removes what a save killed midway left beside the save file; the save itself stays.
void RemoveLeftoverSaveFiles();

// Reads the save file into the game record. A missing, cut, damaged or foreign file, or one with
// a value out of its range, changes nothing and says why in `problem`.
bool ReadSave(QString& problem);

// Why a name cannot be registered, or empty when it can: it must survive the save file.
QString NameProblem(const QString& name);

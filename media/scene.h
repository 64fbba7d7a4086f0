#pragma once

#include <QString>

// The file that holds the picture of a scene code: code + ".VEL", else code + ".GIF".
QString ScenePictureFile(const QString& code);

// Loads the picture of a five-character scene code into the campus screen and starts the theme
// music its person digit selects. At closing time it sets the closing caption instead.
void ShowScenePicture(const QString& code);

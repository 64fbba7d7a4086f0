#pragma once

#include <QString>

// The file that holds the picture of a scene code: code + ".VEL", else code + ".GIF".
QString ScenePictureFile(const QString& code);

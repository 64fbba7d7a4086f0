#include "media/scene.h"

#include "ui/folders.h"

QString ScenePictureFile(const QString& code) {
    const QString primary = code + QStringLiteral(".VEL");
    return ui::HasGameFile(primary) ? primary : code + QStringLiteral(".GIF");
}

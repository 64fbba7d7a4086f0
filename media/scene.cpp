#include "media/scene.h"

#include <QFile>

QString ScenePictureFile(const QString& code) {
    const QString primary = code + QStringLiteral(".VEL");
    return QFile::exists(primary) ? primary : code + QStringLiteral(".GIF");
}

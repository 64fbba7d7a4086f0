#include "media/scene.h"

#include <QFile>

#include "core/GameState.h"
#include "core/VelMain.h"

void ShowScenePicture(const QString& code) {
    const QString primary = code + QStringLiteral(".VEL");
    VelMain->Image1->LoadPicture(QFile::exists(primary) ? primary : code + QStringLiteral(".GIF"));
    if (GameState.phase == Phase::ClosingTime) {
        VelMain->SetCaption(QStringLiteral("-Velmora 3rd STORY-"));
        return;
    }
}

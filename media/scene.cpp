#include "media/scene.h"

#include <QFile>

#include "core/GameState.h"
#include "core/VelMain.h"
#include "media/KV_Midi.h"

namespace {

// Theme music by the person digit of a picture code: 0 is the campus without a heroine.
QString ThemeOf(QChar person) {
    if (person == QLatin1Char('0')) return QStringLiteral("M394C.mid");
    return QStringLiteral("M3") + person + QStringLiteral("0C.mid");
}

}  // namespace

QString ScenePictureFile(const QString& code) {
    const QString primary = code + QStringLiteral(".VEL");
    return QFile::exists(primary) ? primary : code + QStringLiteral(".GIF");
}

void ShowScenePicture(const QString& code) {
    // When neither file exists the previous picture stays and the game goes on.
    VelMain->Image1->LoadPicture(ScenePictureFile(code));
    if (GameState.phase == Phase::ClosingTime) {
        VelMain->SetCaption(QStringLiteral("-Velmora 3rd STORY-"));
        return;
    }
    const QString oldTheme = GameState.sceneMusic;
    GameState.sceneMusic = ThemeOf(code.size() > 3 ? code.at(3) : QLatin1Char('0'));
    if (GameState.sceneMusic != oldTheme) {
        PlayMidi(GameState.sceneMusic);
        GameState.musicFile = GameState.sceneMusic;
    }
}

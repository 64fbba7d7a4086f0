#include "core/music.h"

#include <QFileInfo>

#include "core/GameState.h"
#include "media/mci.h"
#include "ui/folders.h"

namespace {

// Theme music by the person digit of a picture code: 0 is the campus without a heroine.
QString ThemeOf(QChar person) {
    if (person == QLatin1Char('0')) return QStringLiteral("M394C.mid");
    return QStringLiteral("M3") + person + QStringLiteral("0C.mid");
}

}  // namespace

void PlayMidi(const QString& file) {
    if (GameState.musicMuted) return;
    // The path is quoted so that a folder with blanks in its name still opens.
    const QString path =
        QLatin1Char('"') + QFileInfo(ui::GameFile(file)).absoluteFilePath() + QLatin1Char('"');
    StopMidi();
    // Errors stay silent: a missing piece leaves the game quiet, and the keeper tries again.
    mciGetErrorString(mciSendString(QStringLiteral("open ") + path +
                                    QStringLiteral(" type sequencer alias Midi")));
    mciGetErrorString(mciSendString(QStringLiteral("play Midi")));
}

void StopMidi() {
    mciGetErrorString(mciSendString(QStringLiteral("close Midi")));
}

bool IsMidiPlaying() {
    QString mode;
    mciSendString(QStringLiteral("Status Midi mode"), &mode);
    // Paused counts as playing; no open device answers nothing.
    return mode.left(1).toUpper() == QLatin1String("P");
}

void KeepMidiPlaying() {
    if (!GameState.musicMuted && !IsMidiPlaying()) PlayMidi(GameState.musicFile);
}

void FollowSceneTheme(const QString& pictureCode) {
    const QString oldTheme = GameState.sceneMusic;
    GameState.sceneMusic = ThemeOf(pictureCode.size() > 3 ? pictureCode.at(3) : QLatin1Char('0'));
    if (GameState.sceneMusic != oldTheme) {
        PlayMidi(GameState.sceneMusic);
        GameState.musicFile = GameState.sceneMusic;
    }
}

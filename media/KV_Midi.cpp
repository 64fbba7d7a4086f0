#include "media/KV_Midi.h"

#include <QDir>

#include "core/GameState.h"
#include "media/mci.h"

void PlayMidi(const QString& file) {
    if (GameState.musicMuted) return;
    // The path is quoted so that a folder with blanks in its name still opens.
    const QString path =
        QLatin1Char('"') + QDir::currentPath() + QLatin1Char('/') + file + QLatin1Char('"');
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

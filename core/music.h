#pragma once

#include <QString>

// Background music: one MIDI piece at a time, played once; the screens' timers call
// KeepMidiPlaying to loop it. Nothing plays while GameState.musicMuted is set.
void PlayMidi(const QString& file);
void StopMidi();
bool IsMidiPlaying();
void KeepMidiPlaying();

// A scene picture's person digit picks the theme music; the same theme plays on unbroken.
void FollowSceneTheme(const QString& pictureCode);

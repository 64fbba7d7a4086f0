#include "media/KV_Midi.h"

#include "core/placeholder.h"

void PlayMidi(const QString&) { PlaceholderRan("PlayMidi"); }
void StopMidi() {}
bool IsMidiPlaying() { return true; }
void KeepMidiPlaying() {}

#pragma once

#include <QString>

namespace media {

// How long a standard MIDI file plays, in milliseconds, from its tempo map and its last event;
// -1 when the file cannot be read as one.
long long MidiLengthMs(const QString& path);

// How long a PCM WAV file plays, in milliseconds; -1 when it is not one.
long long WavLengthMs(const QString& path);

}  // namespace media

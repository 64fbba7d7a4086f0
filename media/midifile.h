#pragma once

#include <set>
#include <utility>

#include <QString>

namespace media {

// How long a standard MIDI file plays, in milliseconds, from its tempo map and its last event;
// -1 when the file cannot be read as one.
long long MidiLengthMs(const QString& path);

// The instruments a standard MIDI file plays, as General MIDI (bank, program) pairs: every
// program change with the bank selected on its channel, and the default instrument of a channel
// that sounds a note before its first change. Channel 10 is percussion, bank 128. Empty when the
// file cannot be read as one.
inline constexpr int kPercussionChannel = 9;  // channel 10, counted from 0
inline constexpr int kPercussionBank = 128;
using MidiInstruments = std::set<std::pair<int, int>>;
MidiInstruments MidiInstrumentsOf(const QString& path);

// How long a PCM WAV file plays, in milliseconds; -1 when it is not one.
long long WavLengthMs(const QString& path);

}  // namespace media

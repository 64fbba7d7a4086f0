#pragma once

#include <QString>

// Flags of sndPlaySound.
enum SoundFlags { SND_ASYNC = 1, SND_NODEFAULT = 2 };

// Plays one of the game's WAV files in the background; a new sound cuts off the one
// still playing. A file that cannot be played sounds a short default beep unless SND_NODEFAULT.
void sndPlaySound(const QString& file, int flags);

#include "media/sound.h"

#include "media/audio.h"

void sndPlaySound(const QString& file, int flags) {
    media::PlayEffect(file, (flags & SND_NODEFAULT) != 0);
}

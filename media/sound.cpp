#include "media/sound.h"

#include "media/audio.h"
#include "ui/folders.h"

void sndPlaySound(const QString& file, int flags) {
    media::PlayEffect(ui::GameFile(file), (flags & SND_NODEFAULT) != 0);
}

#include "media/audio.h"

#include <fluidsynth.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "media/audio_state.h"

namespace media::detail {

namespace {

const char* const kSoundfonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
};

QString g_chosenSoundfont;

// Loads one soundfont file into `synth`, with the piano that the title and most pieces play
// and that the synth's reset selects; FLUID_FAILED when it cannot. Only a regular file: the
// synth's loaders would wait forever on a pipe.
int LoadSoundfontFile(fluid_synth_t* synth, const QString& path) {
    if (!QFileInfo(path).isFile()) return FLUID_FAILED;
    const int id = fluid_synth_sfload(synth, QFile::encodeName(path).constData(), 0);
    if (id != FLUID_FAILED) fluid_synth_pin_preset(synth, id, 0, 0);
    return id;
}

// Loads the chosen soundfont, else the system's, into `synth`. Samples load when an instrument
// is first selected, so this reads little more than the soundfont's table of contents. It runs
// on its own thread in the game and must touch nothing but its arguments.
void LoadSoundfont(fluid_synth_t* synth, const QString& chosen,
                   const std::shared_ptr<SoundfontLoad>& load) {
    QStringList candidates;
    if (!chosen.isEmpty()) candidates.append(chosen);
    for (const char* path : kSoundfonts) candidates.append(QString::fromLatin1(path));
    int id = FLUID_FAILED;
    QString used, broken;
    for (int i = 0; i < candidates.size() && id == FLUID_FAILED; ++i) {
        const QString& path = candidates[i];
        id = LoadSoundfontFile(synth, path);
        if (id != FLUID_FAILED)
            used = path;
        else if (i == 0 && !chosen.isEmpty())
            std::fprintf(stderr,
                         "velmora3: サウンドフォントを読み込めませんでした。"
                         "標準のサウンドフォントを使います: %s\n",
                         path.toLocal8Bit().constData());
        else if (QFileInfo(path).isFile() && broken.isEmpty())
            broken = path;
    }
    if (id == FLUID_FAILED && !broken.isEmpty())
        std::fprintf(stderr,
                     "velmora3: the soundfont could not be loaded, the music stays silent: %s\n",
                     broken.toLocal8Bit().constData());
    else if (id == FLUID_FAILED)
        std::fprintf(stderr,
                     "velmora3: no General MIDI soundfont found, the music stays silent: install "
                     "timgm6mb-soundfont or fluid-soundfont-gm\n");
    {
        std::lock_guard lock(load->lock);
        load->done = true;
        load->id = id;
        load->path = used;
    }
    load->finished.notify_all();
}

}  // namespace

// Starts the load on a thread of its own, or here when `wait` is set.
void StartSoundfontLoad(Audio& a, bool wait) {
    if (a.load) return;
    a.load = std::make_shared<SoundfontLoad>();
    if (wait)
        LoadSoundfont(a.synth, g_chosenSoundfont, a.load);
    else
        a.soundfontLoader = std::thread(LoadSoundfont, a.synth, g_chosenSoundfont, a.load);
}

bool SoundfontLoaded(const Audio& a) {
    if (!a.load) return false;
    std::lock_guard lock(a.load->lock);
    return a.load->done;
}

// Waits for the load, if one runs; true when a soundfont is in.
bool WaitForSoundfont(Audio& a) {
    if (!a.load) return false;
    if (a.soundfontId == FLUID_FAILED) {
        std::unique_lock lock(a.load->lock);
        a.load->finished.wait(lock, [&a] { return a.load->done; });
        a.soundfontId = a.load->id;
    }
    return a.soundfontId != FLUID_FAILED;
}

// For rendering on this thread: waits for the loader, or loads the soundfont when none ran.
void EnsureSoundfont(Audio& a) {
    StartSoundfontLoad(a, true);
    WaitForSoundfont(a);
}

}  // namespace media::detail

namespace media {

using namespace detail;

void UseSoundfont(const QString& path) {
    g_chosenSoundfont = path;
}

bool ChangeSoundfont(const QString& path) {
    Audio& a = State();
    if (!a.started || a.mode == Mode::Timed) {
        g_chosenSoundfont = path;
        return QFileInfo(path).isFile();
    }
    // A file that is not there leaves the music playing.
    if (!QFileInfo(path).isFile()) return false;
    WaitForSoundfont(a);  // the first load, whatever it found, is over before the change
    const QString piece = a.piece;
    const bool wasPlaying = a.playing;
    CloseSequence();
    {
        std::lock_guard lock(a.musicLock);
        const int id = LoadSoundfontFile(a.synth, path);
        if (id == FLUID_FAILED) return false;
        if (a.soundfontId != FLUID_FAILED) fluid_synth_sfunload(a.synth, a.soundfontId, 0);
        a.soundfontId = id;
        a.pinned.clear();
        if (a.load) {
            std::lock_guard loaded(a.load->lock);
            a.load->id = id;
            a.load->path = path;
        }
    }
    g_chosenSoundfont = path;
    if (!piece.isEmpty() && wasPlaying && OpenSequence(piece) == OpenResult::Ok) PlaySequence();
    return true;
}

QString DefaultSoundfont() {
    for (const char* path : kSoundfonts)
        if (QFileInfo(QString::fromLatin1(path)).isFile()) return QString::fromLatin1(path);
    return {};
}

QString SoundfontPath() {
    Audio& a = State();
    if (!a.load) return {};
    std::lock_guard lock(a.load->lock);
    return a.load->path;
}
bool SoundfontReady() {
    return SoundfontLoaded(State());
}

}  // namespace media

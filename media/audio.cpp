#include "media/audio.h"

#include <dlfcn.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <set>
#include <string>

#include "media/audio_state.h"
#include "ui/gametime.h"
#include "ui/runtime.h"

namespace media::detail {

// Each kind of problem is told once per run, so a missing file polled every second does not
// flood the terminal.
void ReportOnce(const std::string& kind, const QString& detail) {
    static std::set<std::string> told;
    if (!told.insert(kind).second) return;
    std::fprintf(stderr, "velmora3: %s%s%s\n", kind.c_str(), detail.isEmpty() ? "" : ": ",
                 detail.toLocal8Bit().constData());
}

Audio::~Audio() {
    // The audio thread must be gone before the synth it renders.
    if (deviceOpen) {
        Mix_HookMusic(nullptr, nullptr);
        Mix_CloseAudio();
    }
    if (soundfontLoader.joinable()) {
        bool done = false;
        {
            std::lock_guard lock(load->lock);
            done = load->done;
        }
        if (done) {
            soundfontLoader.join();
        } else {
            // Still loading while the process ends: the loader keeps its synth, which is
            // never freed, rather than have the exit wait for the disk.
            soundfontLoader.detach();
            synth = nullptr;
            settings = nullptr;
        }
    }
    if (player) delete_fluid_player(player);
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
}

Audio& State() {
    static Audio audio;
    return audio;
}

// The game clock as the music knows it: it stands still while the sound is paused.
ui::GameMs MusicNow(const Audio& a) {
    return a.paused ? a.pausedAtMs : ui::NowMs();
}

namespace {

// ALSA prints its own errors to the terminal when there is no sound card; the game says it once
// in its own words instead.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void QuietAlsa() {
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!alsa) return;
    if (auto setHandler =
            reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler")))
        setHandler(IgnoreAlsaError);
}

bool OpenDevice() {
    QuietAlsa();
    // SDL would take SIGINT and SIGTERM for an event queue nobody reads; the game handles them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
        Mix_OpenAudioDevice(kRate, AUDIO_F32SYS, 2, kChunkFrames, nullptr, 0) == 0)
        return true;
    ReportOnce("no audio device, the game plays silently", QString::fromUtf8(SDL_GetError()));
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    // The dummy driver keeps music timing real, so pieces still end and loop.
    if (SDL_AudioInit("dummy") != 0) return false;
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    return Mix_OpenAudioDevice(kRate, AUDIO_F32SYS, 2, kChunkFrames, "", 0) == 0 ||
           Mix_OpenAudio(kRate, AUDIO_F32SYS, 2, kChunkFrames) == 0;
}

}  // namespace

}  // namespace media::detail

namespace media {

using namespace detail;

void StartAudio() {
    Audio& a = State();
    if (a.started) return;
    a.started = true;
    a.mode = StartingMode();

    CreateSynth(a);

    // Under virtual time nothing is played out: no device, no audio thread, and a timed game
    // needs no soundfont at all.
    if (a.mode != Mode::Live) {
        if (a.mode == Mode::Rendered) EnsureSoundfont(a);
        ui::AtEndProgram(StopAudio);
        return;
    }
    StartSoundfontLoad(a, false);
    a.deviceOpen = OpenDevice();
    if (a.deviceOpen) {
        Mix_AllocateChannels(2);
        Mix_Volume(kEffectChannel, MIX_MAX_VOLUME * a.effectVolume / 100);
        Mix_ChannelFinished(ChannelFinished);
        Mix_HookMusic(RenderMusic, nullptr);
        MakeBeep(a);
    }
    ui::AtEndProgram(StopAudio);
}

void PauseSound(bool paused) {
    Audio& a = State();
    std::lock_guard lock(a.musicLock);
    if (paused == a.paused) return;
    if (paused) {
        a.pausedAtMs = ui::NowMs();
    } else {
        // The piece and the effect go on from where they stood.
        const ui::GameMs stood = ui::NowMs() - a.pausedAtMs;
        a.playStartedMs += stood;
        a.effectEndsMs += stood;
    }
    a.paused = paused;
    if (a.deviceOpen) paused ? Mix_Pause(kEffectChannel) : Mix_Resume(kEffectChannel);
}

void SetMusicVolume(int percent) {
    Audio& a = State();
    a.musicVolume = std::clamp(percent, 0, 100);
    a.musicGain = static_cast<float>(a.musicVolume) / 100.0f;
}

void SetEffectVolume(int percent) {
    Audio& a = State();
    a.effectVolume = std::clamp(percent, 0, 100);
    if (a.deviceOpen) Mix_Volume(kEffectChannel, MIX_MAX_VOLUME * a.effectVolume / 100);
}

int MusicVolume() {
    return State().musicVolume;
}
int EffectVolume() {
    return State().effectVolume;
}

// Never waits for the soundfont: a piece is open only once it is in, and nothing else here
// touches the synth.
void StopAudio() {
    Audio& a = State();
    if (!a.started) return;
    if (a.deviceOpen) {
        Mix_HookMusic(nullptr, nullptr);
        a.speaking = false;
        Mix_HaltChannel(-1);
    }
    CloseSequence();
}

}  // namespace media

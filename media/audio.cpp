#include "media/audio.h"

#include <dlfcn.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include "media/midifile.h"
#include "ui/gametime.h"
#include "ui/runtime.h"

namespace media {

namespace {

constexpr int kRate = 44100;
// 23 ms. Every wake-up of the audio thread finds the synth's data out of the cache: blocks of
// 512 frames cost a sixth more CPU. A piece waits at most one block for its first note.
constexpr int kChunkFrames = 1024;
constexpr double kMusicGain = 0.35;  // the music sits well under the effects
constexpr float kAudibleLevel = 1.0f / 1024;
constexpr int kEffectChannel = 0;
constexpr int kSpeechChannel = 1;
// How loud the music stays under speech, and how far it moves toward that in one block (23 ms),
// so that it fades rather than jumps.
constexpr float kDuckedGain = 0.3f;
constexpr float kDuckStep = 0.25f;
constexpr int kBeepMs = 125;
// What every reset of the synth selects: the piano on the melodic channels, the standard kit on
// channel 10. They stay loaded for the whole run, so no reset loads or drops them.
constexpr std::pair<int, int> kResetInstruments[] = {{0, 0}, {128, 0}};

const char* const kSoundfonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
};

using Clock = std::chrono::steady_clock;

// Live: SDL's audio thread renders the synth in real time. Under virtual time nothing may run on
// its own: Rendered renders the synth on this thread up to the game clock's now, when asked;
// Timed renders nothing and knows a piece is over from its length, which is far cheaper for
// whole games.
enum class Mode { Live, Rendered, Timed };
bool g_renderInGameTime = false;
QString g_chosenSoundfont;

// QT_LOGGING_RULES="velmora3.music.info=true" tells when each piece starts.
Q_LOGGING_CATEGORY(lcMusic, "velmora3.music", QtWarningMsg)

// The soundfont load, shared with the thread that runs it. That thread never touches Audio: when
// the program ends during a slow load, it finishes on its own and nobody waits for it.
struct SoundfontLoad {
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    int id = FLUID_FAILED;
    QString path;  // the soundfont that loaded
};

// Each kind of problem is told once per run, so a missing file polled every second does not
// flood the terminal.
void ReportOnce(const std::string& kind, const QString& detail) {
    static std::set<std::string> told;
    if (!told.insert(kind).second) return;
    std::fprintf(stderr, "velmora3: %s%s%s\n", kind.c_str(), detail.isEmpty() ? "" : ": ",
                 detail.toLocal8Bit().constData());
}

struct Audio {
    bool started = false;
    Mode mode = Mode::Live;
    bool deviceOpen = false;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    std::thread soundfontLoader;
    std::shared_ptr<SoundfontLoad> load;
    int soundfontId = FLUID_FAILED;  // once the load is done; read only by this thread
    MidiInstruments pinned;          // loaded for the open piece, beside kResetInstruments

    // Guards the player against the audio thread, which renders the synth that drives it.
    std::mutex musicLock;
    fluid_player_t* player = nullptr;
    bool playing = false;
    Clock::time_point openedAt;
    QString piece;
    ui::GameMs openedAtMs = 0;
    ui::GameMs playStartedMs = 0;
    bool paused = false;
    ui::GameMs pausedAtMs = 0;
    std::atomic<float> musicGain{1.0f};
    std::atomic<bool> speaking{false};  // the speech channel plays; the music ducks
    float duck = 1.0f;  // the renderer's own: the audio thread live, this one in game time
    Mix_Chunk* speech = nullptr;
    void (*speechFinished)() = nullptr;
    ui::GameMs speechStartsMs = 0;
    ui::GameMs speechEndsMs = 0;
    int musicVolume = 100;
    int effectVolume = 100;
    long long pieceLengthMs = 0;
    long long renderedFrames = 0;
    MusicProbe probe;
    std::vector<float> mixBuffer;

    ui::GameMs effectEndsMs = 0;
    Mix_Chunk* effect = nullptr;
    Mix_Chunk* beep = nullptr;
    std::vector<float> beepSamples;

    ~Audio() {
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
};

Audio& State() {
    static Audio audio;
    return audio;
}

// Moves the music's ducking one block toward where speech wants it; returns the gain at the
// block's start.
float StepDuck(Audio& a, bool speaking) {
    const float from = a.duck;
    const float target = speaking ? kDuckedGain : 1.0f;
    a.duck =
        target < from ? std::max(target, from - kDuckStep) : std::min(target, from + kDuckStep);
    return from;
}

// The same ducking on the game clock, where nothing renders between pieces: where the fade
// stands `at` a moment, from when the last speech started and ended.
float DuckAt(const Audio& a, ui::GameMs at) {
    constexpr double kBlockMs = 1000.0 * kChunkFrames / kRate;
    if (a.speechEndsMs == 0 || at < a.speechStartsMs) return 1.0f;
    if (at < a.speechEndsMs)
        return std::max(
            kDuckedGain,
            static_cast<float>(1.0 -
                               kDuckStep * static_cast<double>(at - a.speechStartsMs) / kBlockMs));
    return std::min(
        1.0f, static_cast<float>(kDuckedGain +
                                 kDuckStep * static_cast<double>(at - a.speechEndsMs) / kBlockMs));
}

// The first frame of `samples` (interleaved stereo) at an audible level, or -1.
long long FirstAudibleFrame(const float* samples, int frames) {
    for (int i = 0; i < frames; ++i)
        if (std::max(std::fabs(samples[2 * i]), std::fabs(samples[2 * i + 1])) >= kAudibleLevel)
            return i;
    return -1;
}

// Renders `frames` of the playing piece into `out` (interleaved stereo; the renderer's own
// buffer when null) and notes what was heard; `startUs` is the time of the first frame, counted
// from the open. Live, it only looks for the first audible sample, so that the audio thread
// does little besides the synth; the level is measured when rendering on the game clock.
void Synthesize(Audio& a, int frames, float* out, long long startUs) {
    const size_t samples = static_cast<size_t>(frames) * 2;
    if (!out) {
        if (a.mixBuffer.size() < samples) a.mixBuffer.resize(samples);
        out = a.mixBuffer.data();
    }
    fluid_synth_write_float(a.synth, frames, out, 0, 2, out, 1, 2);
    a.renderedFrames += frames;
    if (a.probe.firstAudibleUs < 0) {
        const long long first = FirstAudibleFrame(out, frames);
        if (first >= 0) a.probe.firstAudibleUs = startUs + first * 1000000 / kRate;
    }
    if (a.mode == Mode::Live) return;
    // Without branches, so that the compiler can vectorise it.
    float peak = 0;
    long long audible = 0;
    for (size_t i = 0; i < samples; i += 2) {
        const float level = std::max(std::fabs(out[i]), std::fabs(out[i + 1]));
        peak = std::max(peak, level);
        audible += level >= kAudibleLevel;
    }
    a.probe.peak = std::max(a.probe.peak, std::min(peak, 1.0f));
    const ui::GameMs at = a.openedAtMs + startUs / 1000;
    const float duck = std::max(DuckAt(a, at), DuckAt(a, at + frames * 1000LL / kRate));
    a.probe.outputPeak = std::max(a.probe.outputPeak, std::min(peak, 1.0f) * a.musicGain * duck);
    a.probe.audibleFrames += audible;
    if (audible == 0) return;
    int last = frames - 1;
    while (std::max(std::fabs(out[2 * last]), std::fabs(out[2 * last + 1])) < kAudibleLevel) --last;
    a.probe.lastAudibleUs = startUs + (last + 1) * 1000000LL / kRate;
}

// SDL_mixer's music hook: the synth renders straight into the device's float buffer.
void RenderMusic(void*, Uint8* stream, int bytes) {
    Audio& a = State();
    const int frames = bytes / static_cast<int>(2 * sizeof(float));
    // Never wait on the interface thread here: when it holds the synth, this block is silence.
    std::unique_lock lock(a.musicLock, std::try_to_lock);
    // A piece opens only once the soundfont is in, so it starts from its first note.
    // Paused, the synth is not rendered, so the piece, timed by the samples, stands still.
    if (!lock.owns_lock() || !a.player || !a.playing || a.paused) {
        SDL_memset(stream, 0, static_cast<size_t>(bytes));
        return;
    }
    const long long sinceOpenUs =
        a.probe.firstAudibleUs >= 0
            ? 0
            : std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - a.openedAt)
                  .count();
    auto* out = reinterpret_cast<float*>(stream);
    Synthesize(a, frames, out, sinceOpenUs);
    const float from = StepDuck(a, a.speaking);
    const float gain = a.musicGain;
    if (gain != 1.0f || from != 1.0f || a.duck != 1.0f)
        for (int i = 0; i < frames; ++i) {
            const float g = gain * (from + (a.duck - from) * static_cast<float>(i) /
                                               static_cast<float>(frames));
            out[2 * i] *= g;
            out[2 * i + 1] *= g;
        }
}

// SDL_mixer's channel-finished callback, on the audio thread: the end of a speech is told to
// the interface thread.
void ChannelFinished(int channel) {
    if (channel != kSpeechChannel) return;
    Audio& a = State();
    if (!a.speaking.exchange(false)) return;  // stopped, not finished
    if (a.speechFinished)
        QMetaObject::invokeMethod(
            qApp,
            [] {
                if (State().speechFinished && !State().speaking) State().speechFinished();
            },
            Qt::QueuedConnection);
}

// The game clock as the music knows it: it stands still while the sound is paused.
ui::GameMs MusicNow(const Audio& a) {
    return a.paused ? a.pausedAtMs : ui::NowMs();
}

// Under Rendered time, brings the synth up to the game clock's now.
void CatchUp(Audio& a) {
    if (a.mode != Mode::Rendered || !a.player || !a.playing) return;
    const long long target = (MusicNow(a) - a.playStartedMs) * kRate / 1000;
    constexpr int kBlock = 1024;
    while (a.renderedFrames < target) {
        const int frames = static_cast<int>(std::min<long long>(kBlock, target - a.renderedFrames));
        const long long startUs =
            (a.playStartedMs - a.openedAtMs) * 1000 + a.renderedFrames * 1000000 / kRate;
        Synthesize(a, frames, nullptr, startUs);
    }
}

// Loads one soundfont file into `synth`, with the instruments every piece keeps at hand;
// FLUID_FAILED when it cannot. Only a regular file: the synth's loaders would wait forever on a
// pipe.
int LoadSoundfontFile(fluid_synth_t* synth, const QString& path) {
    if (!QFileInfo(path).isFile()) return FLUID_FAILED;
    const int id = fluid_synth_sfload(synth, QFile::encodeName(path).constData(), 1);
    if (id != FLUID_FAILED)
        for (const auto& [bank, program] : kResetInstruments)
            fluid_synth_pin_preset(synth, id, bank, program);
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

// Loads the instruments a piece plays before it starts, here rather than on the audio thread,
// where a program change would otherwise read samples from disk in the middle of the music.
// Those of the piece before that this one does not play are dropped first, so at most one
// piece's instruments are in memory.
void LoadInstruments(Audio& a, const MidiInstruments& wanted) {
    if (!WaitForSoundfont(a)) return;
    auto reset = [](const std::pair<int, int>& instrument) {
        return std::find(std::begin(kResetInstruments), std::end(kResetInstruments), instrument) !=
               std::end(kResetInstruments);
    };
    for (const auto& [bank, program] : a.pinned)
        if (!wanted.count({bank, program}))
            fluid_synth_unpin_preset(a.synth, a.soundfontId, bank, program);
    a.pinned.clear();
    for (auto [bank, program] : wanted) {
        // A missing instrument falls back as the synth's program change does: the standard
        // kit, else the same program in the first bank.
        if (fluid_synth_pin_preset(a.synth, a.soundfontId, bank, program) == FLUID_FAILED) {
            if (bank == 128) continue;
            bank = 0;
            if (fluid_synth_pin_preset(a.synth, a.soundfontId, bank, program) == FLUID_FAILED)
                continue;
        }
        if (!reset({bank, program})) a.pinned.insert({bank, program});
    }
}

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

void MakeBeep(Audio& a) {
    // A short soft tone for an effect file that cannot be played.
    const int frames = kRate * kBeepMs / 1000;
    a.beepSamples.resize(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        const double fade = 1.0 - static_cast<double>(i) / frames;
        const auto s = static_cast<float>(0.18 * fade * std::sin(2 * M_PI * 880.0 * i / kRate));
        a.beepSamples[static_cast<size_t>(2 * i)] = s;
        a.beepSamples[static_cast<size_t>(2 * i + 1)] = s;
    }
    a.beep = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(a.beepSamples.data()),
                               static_cast<Uint32>(a.beepSamples.size() * sizeof(float)));
}

}  // namespace

void StartAudio() {
    Audio& a = State();
    if (a.started) return;
    a.started = true;
    a.mode = !ui::IsVirtualTime() ? Mode::Live : g_renderInGameTime ? Mode::Rendered : Mode::Timed;

    a.settings = new_fluid_settings();
    fluid_settings_setnum(a.settings, "synth.sample-rate", kRate);
    fluid_settings_setnum(a.settings, "synth.gain", kMusicGain);
    fluid_settings_setint(a.settings, "synth.chorus.active", 0);
    // A whole soundfont is up to 150 MB; the game's pieces play a few instruments each.
    fluid_settings_setint(a.settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setstr(a.settings, "player.timing-source", "sample");
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    a.synth = new_fluid_synth(a.settings);
    fluid_synth_set_reverb_group_level(a.synth, -1, 0.25);

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
        if (a.soundfontId != FLUID_FAILED) fluid_synth_sfunload(a.synth, a.soundfontId, 1);
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

OpenResult OpenSequence(const QString& path) {
    StartAudio();
    Audio& a = State();
    CloseSequence();
    const QByteArray file = path.toLocal8Bit();
    if (!QFile::exists(path)) {
        ReportOnce("a music file is missing, the game goes on without it", path);
        return OpenResult::FileNotFound;
    }
    if (!fluid_is_midifile(file.constData())) {
        ReportOnce("a music file is not a MIDI file, the game goes on without it", path);
        return OpenResult::NotMidi;
    }
    // Live, a piece asked for while the soundfont still loads is let go rather than have the
    // game wait on the disk, which may never answer; the music keeper asks again. Timed music
    // is never rendered. Without a soundfont the piece still runs its course, silently, so
    // that the keeper sees it end as it would.
    if (a.mode == Mode::Live && !SoundfontLoaded(a)) return OpenResult::Ok;
    if (a.mode != Mode::Timed && WaitForSoundfont(a)) LoadInstruments(a, MidiInstrumentsOf(path));
    fluid_player_t* player = new_fluid_player(a.synth);
    if (fluid_player_add(player, file.constData()) != FLUID_OK) {
        delete_fluid_player(player);
        return OpenResult::NotMidi;
    }
    std::lock_guard lock(a.musicLock);
    a.player = player;
    a.piece = path;
    a.playing = false;
    a.openedAt = Clock::now();
    a.openedAtMs = ui::NowMs();
    a.pieceLengthMs = a.mode == Mode::Timed ? MidiLengthMs(path) : 0;
    a.renderedFrames = 0;
    a.probe = MusicProbe{};
    return OpenResult::Ok;
}

bool HasSequence() {
    std::lock_guard lock(State().musicLock);
    return State().player != nullptr;
}

void PlaySequence() {
    Audio& a = State();
    std::lock_guard lock(a.musicLock);
    if (!a.player) return;
    fluid_player_play(a.player);
    a.playing = true;
    a.openedAt = Clock::now();
    a.playStartedMs = MusicNow(a);
    a.renderedFrames = 0;
    qCInfo(lcMusic, "playing %s", qUtf8Printable(a.piece));
}

bool SequencePlaying() {
    Audio& a = State();
    std::lock_guard lock(a.musicLock);
    if (!a.player || !a.playing) return false;
    if (a.mode == Mode::Timed) return MusicNow(a) - a.playStartedMs < a.pieceLengthMs;
    CatchUp(a);
    // A piece ends at its written end, its last event: the synth's player would go on until
    // the last release had died away, seconds of silence that a looping screen waits through.
    // The length is known once the player has read the file, at its first rendered block.
    const int length = fluid_player_get_total_ticks(a.player);
    if (length > 0 && fluid_player_get_current_tick(a.player) >= length) return false;
    return fluid_player_get_status(a.player) == FLUID_PLAYER_PLAYING;
}

long long SequencePositionMs() {
    Audio& a = State();
    std::lock_guard lock(a.musicLock);
    if (!a.player || !a.playing) return 0;
    if (a.mode == Mode::Timed)
        return std::min<long long>(MusicNow(a) - a.playStartedMs, a.pieceLengthMs);
    CatchUp(a);
    return a.renderedFrames * 1000 / kRate;
}

void CloseSequence() {
    Audio& a = State();
    fluid_player_t* old = nullptr;
    {
        std::lock_guard lock(a.musicLock);
        old = a.player;
        a.player = nullptr;
        a.playing = false;
        if (old) {
            fluid_player_stop(old);
            fluid_synth_all_sounds_off(a.synth, -1);
            fluid_synth_system_reset(a.synth);
        }
    }
    if (old) delete_fluid_player(old);
}

void PlayEffect(const QString& path, bool noDefault) {
    StartAudio();
    Audio& a = State();
    if (a.mode != Mode::Live) {
        // Nothing is heard under virtual time, but the effect lasts as long as it would.
        const long long length = WavLengthMs(path);
        if (length < 0) ReportOnce("a sound could not be played", path);
        a.effectEndsMs = ui::NowMs() + (length >= 0 ? length : noDefault ? 0 : kBeepMs);
        return;
    }
    if (!a.deviceOpen) return;
    Mix_HaltChannel(kEffectChannel);
    if (a.effect) {
        Mix_FreeChunk(a.effect);
        a.effect = nullptr;
    }
    a.effect = QFile::exists(path) ? Mix_LoadWAV(path.toLocal8Bit().constData()) : nullptr;
    if (!a.effect) {
        ReportOnce("a sound could not be played", path);
        if (!noDefault && a.beep) Mix_PlayChannel(kEffectChannel, a.beep, 0);
        return;
    }
    Mix_PlayChannel(kEffectChannel, a.effect, 0);
}

bool EffectPlaying() {
    const Audio& a = State();
    if (a.mode != Mode::Live) return MusicNow(a) < a.effectEndsMs;
    return a.deviceOpen && Mix_Playing(kEffectChannel) != 0;
}

void PlaySpeech(const QString& path) {
    StartAudio();
    Audio& a = State();
    if (a.mode != Mode::Live) {
        const long long length = WavLengthMs(path);
        a.speechStartsMs = ui::NowMs();
        a.speechEndsMs = a.speechStartsMs + std::max(0LL, length);
        return;
    }
    if (!a.deviceOpen) return;
    StopSpeech();
    a.speech = QFile::exists(path) ? Mix_LoadWAV(path.toLocal8Bit().constData()) : nullptr;
    if (!a.speech) {
        ReportOnce("a speech could not be played", path);
        return;
    }
    a.speaking = true;
    if (Mix_PlayChannel(kSpeechChannel, a.speech, 0) < 0) a.speaking = false;
}

void StopSpeech() {
    Audio& a = State();
    if (a.mode != Mode::Live) {
        a.speechEndsMs = std::min(a.speechEndsMs, ui::NowMs());  // the music comes back from now
        return;
    }
    if (!a.deviceOpen) return;
    a.speaking = false;
    Mix_HaltChannel(kSpeechChannel);
    if (a.speech) {
        Mix_FreeChunk(a.speech);
        a.speech = nullptr;
    }
}

bool SpeechPlaying() {
    const Audio& a = State();
    if (a.mode != Mode::Live) return MusicNow(a) < a.speechEndsMs;
    return a.speaking;
}

void OnSpeechFinished(void (*finished)()) {
    State().speechFinished = finished;
}

MusicProbe ProbeSinceOpen() {
    Audio& a = State();
    std::lock_guard lock(a.musicLock);
    CatchUp(a);
    return a.probe;
}

void testing::RenderMusicInGameTime() {
    g_renderInGameTime = true;
    Audio& a = State();
    if (!a.started || a.mode != Mode::Timed) return;
    a.mode = Mode::Rendered;
    EnsureSoundfont(a);
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

namespace media {

RenderedPiece RenderMidiFile(const QString& path, double maxSeconds) {
    StartAudio();
    Audio& a = State();
    CloseSequence();
    EnsureSoundfont(a);
    RenderedPiece piece;
    const QByteArray file = path.toLocal8Bit();
    if (!QFile::exists(path) || !fluid_is_midifile(file.constData())) return piece;

    std::lock_guard lock(a.musicLock);
    fluid_player_t* player = new_fluid_player(a.synth);
    fluid_player_add(player, file.constData());
    fluid_player_play(player);
    constexpr int kBlock = 1024;
    std::vector<float> block(2 * kBlock);
    const long long maxFrames = static_cast<long long>(maxSeconds * kRate);
    long long frame = 0, lastAudible = -1, tailFrames = 0;
    double sumSquares = 0;
    // Render on while the piece plays, then a second more for the notes to die away.
    while (frame < maxFrames && tailFrames < kRate) {
        if (fluid_player_get_status(player) != FLUID_PLAYER_PLAYING) tailFrames += kBlock;
        fluid_synth_write_float(a.synth, kBlock, block.data(), 0, 2, block.data(), 1, 2);
        for (int i = 0; i < kBlock; ++i) {
            const float s = std::max(std::fabs(block[2 * i]), std::fabs(block[2 * i + 1]));
            piece.peak = std::max(piece.peak, s);
            sumSquares += static_cast<double>(block[2 * i]) * block[2 * i];
            if (s >= kAudibleLevel) lastAudible = frame + i;
        }
        frame += kBlock;
    }
    fluid_player_stop(player);
    delete_fluid_player(player);
    fluid_synth_all_sounds_off(a.synth, -1);
    fluid_synth_system_reset(a.synth);
    piece.ok = true;
    piece.seconds = static_cast<double>(lastAudible + 1) / kRate;
    if (lastAudible >= 0) piece.rms = std::sqrt(sumSquares / static_cast<double>(lastAudible + 1));
    return piece;
}

}  // namespace media

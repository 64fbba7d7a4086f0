#include "media/audio.h"

#include <dlfcn.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <QFile>
#include <QLoggingCategory>

#include "media/midifile.h"
#include "ui/gametime.h"
#include "ui/runtime.h"

namespace media {

namespace {

constexpr int kRate = 44100;
constexpr int kChunkFrames = 512;    // about 12 ms: keeps the start of a piece prompt
constexpr double kMusicGain = 0.35;  // the music sits well under the effects
constexpr float kAudibleLevel = 1.0f / 1024;
constexpr int kEffectChannel = 0;
constexpr int kBeepMs = 125;

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
    std::atomic<bool> soundfontReady{false};
    QString soundfont;

    // Guards the player against the audio thread, which renders the synth that drives it.
    std::mutex musicLock;
    fluid_player_t* player = nullptr;
    bool playing = false;
    Clock::time_point openedAt;
    QString piece;
    ui::GameMs openedAtMs = 0;
    ui::GameMs playStartedMs = 0;
    long long pieceLengthMs = 0;
    long long renderedFrames = 0;
    MusicProbe probe;
    std::vector<float> mixBuffer;

    ui::GameMs effectEndsMs = 0;
    Mix_Chunk* effect = nullptr;
    Mix_Chunk* beep = nullptr;
    std::vector<int16_t> beepSamples;

    ~Audio() {
        // The audio thread must be gone before the synth it renders.
        if (deviceOpen) {
            Mix_HookMusic(nullptr, nullptr);
            Mix_CloseAudio();
        }
        if (soundfontLoader.joinable()) soundfontLoader.join();
        if (player) delete_fluid_player(player);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
};

Audio& State() {
    static Audio audio;
    return audio;
}

// Renders `frames` of the playing piece into `out` (interleaved stereo, may be null) and notes
// what was heard; `startUs` is the time of the first frame, counted from the open.
void Synthesize(Audio& a, int frames, int16_t* out, long long startUs) {
    a.mixBuffer.resize(static_cast<size_t>(frames) * 2);
    float* left = a.mixBuffer.data();
    fluid_synth_write_float(a.synth, frames, left, 0, 2, left, 1, 2);
    a.renderedFrames += frames;
    for (int i = 0; i < frames * 2; ++i) {
        const float s = std::clamp(a.mixBuffer[static_cast<size_t>(i)], -1.0f, 1.0f);
        if (out) out[i] = static_cast<int16_t>(s * 32767.0f);
        const float level = std::fabs(s);
        if (level > a.probe.peak) a.probe.peak = level;
        if (level >= kAudibleLevel) {
            if (a.probe.firstAudibleUs < 0)
                a.probe.firstAudibleUs = startUs + static_cast<long long>(1e6 / kRate * (i / 2));
            if (i % 2 == 0) ++a.probe.audibleFrames;
        }
    }
}

void RenderMusic(void*, Uint8* stream, int bytes) {
    Audio& a = State();
    const int frames = bytes / static_cast<int>(2 * sizeof(int16_t));
    // Never wait on the interface thread here: when it holds the synth, this block is silence.
    std::unique_lock lock(a.musicLock, std::try_to_lock);
    // Until the soundfont is loaded the piece waits, so that it starts from its first note.
    if (!lock.owns_lock() || !a.player || !a.playing || !a.soundfontReady) {
        SDL_memset(stream, 0, static_cast<size_t>(bytes));
        return;
    }
    const auto sinceOpen =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - a.openedAt);
    Synthesize(a, frames, reinterpret_cast<int16_t*>(stream), sinceOpen.count());
}

// Under Rendered time, brings the synth up to the game clock's now.
void CatchUp(Audio& a) {
    if (a.mode != Mode::Rendered || !a.player || !a.playing) return;
    const long long target = (ui::NowMs() - a.playStartedMs) * kRate / 1000;
    constexpr int kBlock = 1024;
    while (a.renderedFrames < target) {
        const int frames = static_cast<int>(std::min<long long>(kBlock, target - a.renderedFrames));
        const long long startUs =
            (a.playStartedMs - a.openedAtMs) * 1000 + a.renderedFrames * 1000000 / kRate;
        Synthesize(a, frames, nullptr, startUs);
    }
}

void LoadSoundfont(Audio& a) {
    if (fluid_synth_sfload(a.synth, a.soundfont.toLocal8Bit().constData(), 1) == FLUID_FAILED)
        ReportOnce("the soundfont could not be loaded, the music stays silent", a.soundfont);
    a.soundfontReady = true;
}

// For rendering on this thread: waits for the loader, or loads the soundfont when no loader ran.
void EnsureSoundfont(Audio& a) {
    if (a.soundfontLoader.joinable()) a.soundfontLoader.join();
    if (!a.soundfontReady && !a.soundfont.isEmpty()) LoadSoundfont(a);
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
        Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, 2, kChunkFrames, nullptr, 0) == 0)
        return true;
    ReportOnce("no audio device, the game plays silently", QString::fromUtf8(SDL_GetError()));
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    // The dummy driver keeps music timing real, so pieces still end and loop.
    if (SDL_AudioInit("dummy") != 0) return false;
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    return Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, 2, kChunkFrames, "", 0) == 0 ||
           Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kChunkFrames) == 0;
}

void MakeBeep(Audio& a) {
    // A short soft tone for an effect file that cannot be played.
    const int frames = kRate * kBeepMs / 1000;
    a.beepSamples.resize(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        const double fade = 1.0 - static_cast<double>(i) / frames;
        const auto s = static_cast<int16_t>(6000 * fade * std::sin(2 * M_PI * 880.0 * i / kRate));
        a.beepSamples[static_cast<size_t>(2 * i)] = s;
        a.beepSamples[static_cast<size_t>(2 * i + 1)] = s;
    }
    a.beep = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(a.beepSamples.data()),
                               static_cast<Uint32>(a.beepSamples.size() * sizeof(int16_t)));
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
    fluid_settings_setstr(a.settings, "player.timing-source", "sample");
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    a.synth = new_fluid_synth(a.settings);
    fluid_synth_set_reverb_group_level(a.synth, -1, 0.25);

    if (!g_chosenSoundfont.isEmpty() && QFile::exists(g_chosenSoundfont))
        a.soundfont = g_chosenSoundfont;
    for (const char* candidate : kSoundfonts)
        if (a.soundfont.isEmpty() && QFile::exists(QString::fromLatin1(candidate))) {
            a.soundfont = QString::fromLatin1(candidate);
            break;
        }
    if (a.soundfont.isEmpty()) {
        ReportOnce("no General MIDI soundfont found, the music stays silent",
                   QStringLiteral("install timgm6mb-soundfont or fluid-soundfont-gm"));
        a.soundfontReady = true;
    } else if (a.mode == Mode::Rendered) {
        LoadSoundfont(a);
    } else if (a.mode == Mode::Live) {
        a.soundfontLoader = std::thread([&a] { LoadSoundfont(a); });
    }
    // Under virtual time nothing is played out: no device, no audio thread.
    if (a.mode != Mode::Live) {
        ui::AtEndProgram(StopAudio);
        return;
    }

    a.deviceOpen = OpenDevice();
    if (a.deviceOpen) {
        Mix_AllocateChannels(1);
        Mix_HookMusic(RenderMusic, nullptr);
        MakeBeep(a);
    }
    ui::AtEndProgram(StopAudio);
}

void UseSoundfont(const QString& path) {
    g_chosenSoundfont = path;
}

void StopAudio() {
    Audio& a = State();
    if (!a.started) return;
    if (a.soundfontLoader.joinable()) a.soundfontLoader.join();
    if (a.deviceOpen) {
        Mix_HookMusic(nullptr, nullptr);
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
    a.playStartedMs = ui::NowMs();
    a.renderedFrames = 0;
    qCInfo(lcMusic, "playing %s", qUtf8Printable(a.piece));
}

bool SequencePlaying() {
    Audio& a = State();
    std::lock_guard lock(a.musicLock);
    if (!a.player || !a.playing) return false;
    if (a.mode == Mode::Timed) return ui::NowMs() - a.playStartedMs < a.pieceLengthMs;
    CatchUp(a);
    return fluid_player_get_status(a.player) == FLUID_PLAYER_PLAYING;
}

long long SequencePositionMs() {
    Audio& a = State();
    std::lock_guard lock(a.musicLock);
    if (!a.player || !a.playing) return 0;
    if (a.mode == Mode::Timed)
        return std::min<long long>(ui::NowMs() - a.playStartedMs, a.pieceLengthMs);
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
    if (a.mode != Mode::Live) return ui::NowMs() < a.effectEndsMs;
    return a.deviceOpen && Mix_Playing(kEffectChannel) != 0;
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

QString SoundfontPath() {
    return State().soundfont;
}
bool SoundfontReady() {
    return State().soundfontReady;
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

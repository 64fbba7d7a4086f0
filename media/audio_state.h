#pragma once

// What the pieces of media/audio.h share: the one Audio state and the calls between them. Only
// the media/audio*.cpp files include it.

#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <QString>

#include "media/audio.h"
#include "media/midifile.h"
#include "ui/gametime.h"

namespace media::detail {

constexpr int kRate = 44100;
// 23 ms. Every wake-up of the audio thread finds the synth's data out of the cache: blocks of
// 512 frames cost a sixth more CPU. A piece waits at most one block for its first note.
constexpr int kChunkFrames = 1024;
constexpr int kEffectChannel = 0;
constexpr int kMidiChannels = 16;

using Clock = std::chrono::steady_clock;

// Live: SDL's audio thread renders the synth in real time. Under virtual time nothing may run on
// its own: Rendered renders the synth on this thread up to the game clock's now, when asked;
// Timed renders nothing and knows a piece is over from its length, which is far cheaper for
// whole games.
enum class Mode { Live, Rendered, Timed };

// The soundfont load, shared with the thread that runs it. That thread never touches Audio: when
// the program ends during a slow load, it finishes on its own and nobody waits for it.
struct SoundfontLoad {
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    int id = FLUID_FAILED;
    QString path;  // the soundfont that loaded
};

struct Audio {
    bool started = false;
    Mode mode = Mode::Live;
    bool deviceOpen = false;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    std::thread soundfontLoader;
    std::shared_ptr<SoundfontLoad> load;
    int soundfontId = FLUID_FAILED;  // once the load is done; read only by this thread
    MidiInstruments pinned;          // loaded for the open piece

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

    ~Audio();
};

// The device: audio.cpp
Audio& State();
void ReportOnce(const std::string& kind, const QString& detail);
ui::GameMs MusicNow(const Audio& a);

// The synth: audio_synth.cpp
void CreateSynth(Audio& a);
void ResetSynth(Audio& a);
void LoadInstruments(Audio& a, const MidiInstruments& wanted);

// The soundfont: audio_soundfont.cpp
void StartSoundfontLoad(Audio& a, bool wait);
bool SoundfontLoaded(const Audio& a);
bool WaitForSoundfont(Audio& a);
void EnsureSoundfont(Audio& a);

// Effects, speech and the music's ducking under it: audio_effects.cpp
float StepDuck(Audio& a, bool speaking);
float DuckAt(const Audio& a, ui::GameMs at);
void ChannelFinished(int channel);
void MakeBeep(Audio& a);

// Rendering, live and on the game clock: audio_render.cpp
Mode StartingMode();
void RenderMusic(void*, Uint8* stream, int bytes);
void CatchUp(Audio& a);

}  // namespace media::detail

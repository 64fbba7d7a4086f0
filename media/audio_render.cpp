#include "media/audio.h"

#include <SDL.h>
#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <vector>

#include <QFile>

#include "media/audio_state.h"
#include "ui/gametime.h"

namespace media::detail {

namespace {

constexpr float kAudibleLevel = 1.0f / 1024;
bool g_renderInGameTime = false;

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

}  // namespace

Mode StartingMode() {
    return !ui::IsVirtualTime() ? Mode::Live : g_renderInGameTime ? Mode::Rendered : Mode::Timed;
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

}  // namespace media::detail

namespace media {

using namespace detail;

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

RenderedPiece RenderMidiFile(const QString& path, double maxSeconds) {
    StartAudio();
    Audio& a = State();
    CloseSequence();
    EnsureSoundfont(a);
    RenderedPiece piece;
    const QByteArray file = path.toLocal8Bit();
    if (!QFile::exists(path) || !fluid_is_midifile(file.constData())) return piece;
    LoadInstruments(a, MidiInstrumentsOf(path));

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
    ResetSynth(a);
    piece.ok = true;
    piece.seconds = static_cast<double>(lastAudible + 1) / kRate;
    if (lastAudible >= 0) piece.rms = std::sqrt(sumSquares / static_cast<double>(lastAudible + 1));
    return piece;
}

}  // namespace media

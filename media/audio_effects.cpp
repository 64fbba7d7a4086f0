#include "media/audio.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QFile>

#include "media/audio_state.h"
#include "media/midifile.h"
#include "ui/gametime.h"

namespace media::detail {

namespace {

constexpr int kSpeechChannel = 1;
// How loud the music stays under speech, and how far it moves toward that in one block (23 ms),
// so that it fades rather than jumps.
constexpr float kDuckedGain = 0.3f;
constexpr float kDuckStep = 0.25f;
constexpr int kBeepMs = 125;

}  // namespace

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

}  // namespace media::detail

namespace media {

using namespace detail;

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

}  // namespace media

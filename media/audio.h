#pragma once

#include <QString>

// The sound output: one SDL2_mixer device for the whole run. The music is one FluidSynth synth
// rendered into the mixer's music hook; a WAV effect plays on one channel of its own. When no
// device opens, the same path runs on SDL's dummy driver, so music still plays and ends in real
// time, silently. Under virtual time no device opens: pieces and effects last as long as they
// would, on the game clock. Media problems never reach the player; each kind is reported once
// on stderr.
namespace media {

// Opens the device and starts loading the General MIDI soundfont on a worker thread. Safe to
// call more than once; every media call starts the audio itself when needed.
void StartAudio();
void StopAudio();

// A soundfont to use instead of the system's; call it before the audio starts.
void UseSoundfont(const QString& path);
// Another soundfont while the game runs: the open piece plays again from its start with it.
// False when it cannot be loaded; the one in use stays.
bool ChangeSoundfont(const QString& path);

// Holds the music and the effect where they are, silent, or lets them go on from there.
void PauseSound(bool paused);

// How loud the music and the effects come out, 0 to 100. They act on the output only: what the
// game plays, and when, stays the same.
void SetMusicVolume(int percent);
void SetEffectVolume(int percent);
int MusicVolume();
int EffectVolume();

// The sequencer: one MIDI file at a time.
enum class OpenResult { Ok, FileNotFound, NotMidi };
OpenResult OpenSequence(const QString& path);
bool HasSequence();
void PlaySequence();
bool SequencePlaying();
long long SequencePositionMs();  // how far the open piece has played
void CloseSequence();

// Plays a WAV file at once, cutting off the effect still playing. When the file cannot be
// played, a short default beep sounds unless `noDefault` is set.
void PlayEffect(const QString& path, bool noDefault);
bool EffectPlaying();

// Speech: a WAV on a channel of its own, beside the effect, with the music ducked under it while
// it plays. A new one cuts off the one still speaking. `finished` runs on this thread once a
// speech has played to its end, not when it was cut off or stopped.
void PlaySpeech(const QString& path);
void StopSpeech();
bool SpeechPlaying();
void OnSpeechFinished(void (*finished)());

// What the music renderer produced since the last OpenSequence, for tests and benchmarks. Live,
// only the first audible sample is looked for; the level is measured in game time.
struct MusicProbe {
    float peak = 0;                 // largest absolute sample, 0 to 1
    long long firstAudibleUs = -1;  // microseconds from the open to the first audible sample
    long long lastAudibleUs = -1;   // and to the end of the last one, on the game clock only
    long long audibleFrames = 0;
    // The largest sample as it leaves the mixer, after the music's volume and ducked under
    // speech; on the game clock only.
    float outputPeak = 0;
};
MusicProbe ProbeSinceOpen();

// Renders a whole MIDI file through the game's synth as fast as it can, for content checks and
// benchmarks. The music being played is closed first.
struct RenderedPiece {
    bool ok = false;
    double seconds = 0;  // until the last audible sample
    float peak = 0;
    double rms = 0;  // over the audible length
};
RenderedPiece RenderMidiFile(const QString& path, double maxSeconds);

namespace testing {
// Under virtual time, renders the music through the synth up to the game clock's now instead of
// timing pieces by their length; for the few tests that listen to what is played.
void RenderMusicInGameTime();
}  // namespace testing

// The system's General MIDI soundfont, empty when it has none.
QString DefaultSoundfont();
// The soundfont in use, empty when none was found.
QString SoundfontPath();
bool SoundfontReady();

}  // namespace media

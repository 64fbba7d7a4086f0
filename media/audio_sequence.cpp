#include "media/audio.h"

#include <fluidsynth.h>

#include <algorithm>
#include <mutex>

#include <QFile>
#include <QLoggingCategory>

#include "media/audio_state.h"
#include "media/midifile.h"
#include "ui/gametime.h"

namespace media {

namespace {

// QT_LOGGING_RULES="velmora3.music.info=true" tells when each piece starts.
Q_LOGGING_CATEGORY(lcMusic, "velmora3.music", QtWarningMsg)

}  // namespace

using namespace detail;

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
            ResetSynth(a);
        }
    }
    if (old) delete_fluid_player(old);
}

}  // namespace media

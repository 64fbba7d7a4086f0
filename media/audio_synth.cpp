#include "media/audio_state.h"

#include <fluidsynth.h>

#include <algorithm>

#include "media/midifile.h"

namespace media::detail {

namespace {

constexpr double kMusicGain = 0.35;  // the music sits well under the effects

}  // namespace

void CreateSynth(Audio& a) {
    a.settings = new_fluid_settings();
    fluid_settings_setnum(a.settings, "synth.sample-rate", kRate);
    fluid_settings_setnum(a.settings, "synth.gain", kMusicGain);
    fluid_settings_setint(a.settings, "synth.chorus.active", 0);
    // A whole soundfont is up to 150 MB; the game's pieces play a few instruments each.
    fluid_settings_setint(a.settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setstr(a.settings, "player.timing-source", "sample");
    // A player's own reset would select the piano and the drum kit on every channel, and so load
    // them, whether the piece plays them or not: each piece selects what it needs.
    fluid_settings_setint(a.settings, "player.reset-synth", 0);
    // The pieces sound at most 89 voices at once; the default room for 256 costs 1.3 MB.
    fluid_settings_setint(a.settings, "synth.polyphony", 128);
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    a.synth = new_fluid_synth(a.settings);
    fluid_synth_set_reverb_group_level(a.synth, -1, 0.25);
}

// The synth's own reset, but with the percussion channel taken for a melodic one while it runs:
// the reset selects an instrument on every channel, and with the samples loaded as an
// instrument is selected, the drum kit alone took 11 MB with FluidR3 for pieces that play no
// drums. A piece that plays them selects the kit when it is opened.
void ResetSynth(Audio& a) {
    fluid_synth_all_sounds_off(a.synth, -1);
    fluid_synth_set_channel_type(a.synth, kPercussionChannel, CHANNEL_TYPE_MELODIC);
    fluid_synth_system_reset(a.synth);
    fluid_synth_set_channel_type(a.synth, kPercussionChannel, CHANNEL_TYPE_DRUM);
}

// Loads the instruments a piece plays before it starts, here rather than on the audio thread,
// where a program change would otherwise read samples from disk in the middle of the music.
// Those of the piece before that this one does not play are dropped first, so at most one
// piece's instruments are in memory.
void LoadInstruments(Audio& a, const MidiInstruments& wanted) {
    if (!WaitForSoundfont(a)) return;
    // The piano, in from the soundfont's load, and the standard kit, once a piece has loaded
    // it, stay: most pieces play them, and none should wait for them again. A run that plays no
    // drums never loads the kit.
    const auto kept = [](const std::pair<int, int>& instrument) {
        return instrument == std::pair{0, 0} || instrument == std::pair{kPercussionBank, 0};
    };
    MidiInstruments pinned;
    for (const auto& instrument : a.pinned) {
        if (kept(instrument) || wanted.count(instrument))
            pinned.insert(instrument);
        else
            fluid_synth_unpin_preset(a.synth, a.soundfontId, instrument.first, instrument.second);
    }
    for (auto [bank, program] : wanted) {
        // A missing instrument falls back as the synth's program change does: the standard
        // kit, else the same program in the first bank.
        if (fluid_synth_pin_preset(a.synth, a.soundfontId, bank, program) == FLUID_FAILED) {
            program = bank == kPercussionBank ? 0 : program;
            bank = bank == kPercussionBank ? kPercussionBank : 0;
            if (fluid_synth_pin_preset(a.synth, a.soundfontId, bank, program) == FLUID_FAILED)
                continue;
        }
        pinned.insert({bank, program});
    }
    a.pinned = pinned;
    // A channel that plays before any program change plays what a reset would give it: the
    // piano, or the standard kit on the percussion channel.
    for (int channel = 0; channel < kMidiChannels; ++channel) {
        const bool drums = channel == kPercussionChannel;
        if (wanted.count({drums ? kPercussionBank : 0, 0}))
            fluid_synth_program_select(a.synth, channel, a.soundfontId, drums ? kPercussionBank : 0,
                                       0);
    }
}

}  // namespace media::detail

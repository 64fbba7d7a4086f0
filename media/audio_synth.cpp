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
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    a.synth = new_fluid_synth(a.settings);
    fluid_synth_set_reverb_group_level(a.synth, -1, 0.25);
}

void ResetSynth(Audio& a) {
    fluid_synth_all_sounds_off(a.synth, -1);
    fluid_synth_system_reset(a.synth);
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

}  // namespace media::detail

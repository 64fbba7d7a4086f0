#pragma once

#include <functional>

#include <QString>

#include "ui/language.h"

// The game's own voice. The game says what is to be heard, in which language; a voice turns it
// into sound off the interface thread, and it plays on the speech channel with the music ducked
// (media/audio.h). Japanese is read by Open JTalk, which knows the readings of kanji; English by
// eSpeak NG. A player may name a command of his own instead, which speaks by itself. Nothing
// here ever waits for a voice, and nothing here moves the game clock.
namespace media {

struct Utterance {
    QString text;
    ui::Language language = ui::Language::Japanese;
    bool cut = true;  // cut off what was still being said, rather than follow it
};

// Speaks `text`: with `cut`, at once, cutting off the speech still playing and any waiting;
// without, after them.
void Say(const QString& text, ui::Language language, bool cut);
void StopSpeaking();
// True while an utterance is being made or played, or waits for its turn.
bool Speaking();

// Self-voicing's switch, set by the front end from the player's choice. While it is off, Voice
// says nothing.
void SetSelfVoicing(bool on);
bool SelfVoicing();
// What the game says of itself when self-voicing is on: `text` in the player's language, with
// markup, picture codes and line breaks left out. Lower layers call this where a line appears.
void Voice(const QString& text, bool cut = true);
QString SpokenText(const QString& text);

// The player's own speech command, split as a shell would split it; the text to say is added
// as its last argument. Empty: the built-in voices.
void UseSpeechCommand(const QString& command);

// Whether the voice for `language` is installed, and the Debian packages it needs when not.
bool VoiceInstalled(ui::Language language);
QString VoicePackages(ui::Language language);

// Makes one WAV file of `text` with the built-in voice, waiting for it: for tests and
// benchmarks, never for the game. False when the voice is missing or failed.
bool SynthesizeToFile(const QString& text, ui::Language language, const QString& wavPath);

namespace testing {
// Every utterance goes to `recorder` instead of a voice; an empty one gives the voices back.
void RecordSpeech(std::function<void(const Utterance&)> recorder);
}  // namespace testing

}  // namespace media

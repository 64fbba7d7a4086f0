#pragma once

#include <QString>

// Self-voicing (自動読み上げ): while it is on, the game speaks for itself in the player's
// language: every line with its speaker, the answers offered, the friend's words on the start
// menu, the staff roll, whatever takes the keyboard with its description, and, on F9, the time,
// the place and where the player can walk from there. F8 and 設定 turn it on and off; the
// choice is kept in [Comfort].

// At the start: the stored choice, except that a screen reader already running keeps it off, so
// that nothing is said twice. Hooks the lines and the keyboard focus.
void StartVoicing();
bool VoicingOn();
// The player's own choice: kept, and said aloud.
void ChooseVoicing(bool on);
// The time, the place and the walks from there, from the campus screen's own words.
void VoiceWhereAndWhen();

// Whether a screen reader runs on the desktop, as the accessibility bus tells it; false without
// a session bus.
bool ScreenReaderRunning();

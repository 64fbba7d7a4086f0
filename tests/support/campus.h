#pragma once

#include <functional>

#include <QString>

class Player;

// A game on the campus screen, set up as a resumed game and played by a Player.

// Puts the player idle at a place and minute with heroine `target` picked, as a resumed game does.
void ResumeAt(int location, int minute, int target);
// Clicks the travel button to place index + 1.
void Walk(int button);
std::function<bool()> IdleAt(int location);
bool Idle();  // wherever he is
std::function<bool()> AtMinute(int minute);
// What the campus screen's text line and clock show.
QString Line();
QString Clock();
extern const QString kNobodyHere;
// A heroine greeted him and her question is open.
bool Asked();
// Lets the game run to its end in this child process; on the way out it tells on stderr which
// heroine confessed, every line clicked and the window caption at the gate.
void PlayToTheEnd(Player& player);

#pragma once

// The start of the program: the logo demo, the run-wide values, the title music and the title.
void Main();

// The game's scale at the start: `requested` (the command line's) when it is not 0, else the
// player's stored setting, else the largest at which the campus screen and its dialog fit the
// primary screen.
int StartingScale(int requested);

#pragma once

#include <cstdint>

// Five o'clock: the clock stops, a girl confesses, and the program ends after the epilogue.
[[noreturn]] void PlayClosingTime();

// The heroine who confesses: the met heroine with the highest affection, the lower number on a
// tie, when it is 5 or more; heroine 8 at 3 or 4; heroine 7 below that or when nobody was met.
int16_t ChooseEndingHeroine();

#pragma once

#include <cstdint>

// The game's one pseudo-random generator, seeded once at start-up.
void Randomize(uint32_t seed);
// A uniform value in [0, 1).
double Rnd();

#pragma once

// Five o'clock: the clock stops, a girl confesses, and the program ends after the epilogue.
void PlayClosingTime();

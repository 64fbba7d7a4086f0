#pragma once

// One game minute of the campus clock: the clock shows the time and plays what the minute
// brings. Every scene acts only in the phases named for it, so that ticks arriving nested inside
// a waiting scene leave that scene alone.
void ClockTick();

#pragma once

// Minutes from 4:30 PM until the gate closes.
inline constexpr int kMinutesUntilClosing = 30;

// One game minute of the campus clock. Every step acts only in the phases named for it, so
// that ticks arriving nested inside a waiting scene leave that scene alone.
void ClockTick();

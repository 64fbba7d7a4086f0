#pragma once

#include <functional>

// Minutes from 4:30 PM until the gate closes.
inline constexpr int kMinutesUntilClosing = 30;

// One game minute of the campus clock. Every step acts only in the phases named for it, so
// that ticks arriving nested inside a waiting scene leave that scene alone.
void ClockTick();

// The scenes a tick can start. They default to the game's own; tests may replace them to
// observe which steps act.
struct ClockTickSteps {
    std::function<void()> playClosingTime;
    std::function<void()> meetWhileWaiting;
    std::function<void()> ignoredTimeout;
    std::function<void()> leavingTimeout;
    std::function<void()> receivePhoneMail;
    std::function<void()> arrive;
};
ClockTickSteps& ClockSteps();

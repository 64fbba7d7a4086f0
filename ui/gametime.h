#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QString>
#include <QStringList>

// The one clock every timer, sleep and wait of the game reads. In the game it is the monotonic
// real clock. Under virtual time (tests, benchmarks, the random player) it stands still while
// anything is pending and jumps to the next due timer only when the program has nothing else to
// do, so the same input at the same game times always gives the same game.
namespace ui {

using GameMs = int64_t;  // milliseconds on the game clock since the program started
inline constexpr GameMs kNever = -1;

GameMs NowMs();
bool IsVirtualTime();

// Waits running up the stack, innermost last, by name ("WaitForClick", "modal GraduationAlbum", …).
QStringList RunningWaits();

namespace testing {

// Switches the program to virtual time; call it once, before any timer is created.
void UseVirtualTime();

// Runs whenever the program is idle under virtual time, before the clock moves on to
// `nextDue` (kNever when no timer is left). Returns true when it did something, such as a click,
// so that the wait looks again before time passes.
void SetIdleHandler(std::function<bool(GameMs nextDue)> handler);

// Called when a wait can never end: nothing is pending, the idle handler did nothing and no
// timer is left. The default prints the reason and aborts.
void SetStallHandler(std::function<void(const QString& reason)> handler);

}  // namespace testing

namespace gametime {

// The virtual schedule that ui::Timer uses. Entries are ordered by due time, then by the order
// they were scheduled, so timers due at the same instant fire in the order they were started.
struct Entry {
    GameMs due = 0;
    uint64_t order = 0;
    bool operator==(const Entry&) const = default;
};
Entry Schedule(GameMs due, std::function<void()> fire);
void Cancel(const Entry& entry);
// What is scheduled, soonest first: a test sees that something left the timers alone.
std::vector<Entry> Scheduled();

// Delivers everything pending and, when nothing is, moves the clock on to the next timer.
// Returns once `done` holds.
void RunUntil(const std::function<bool()>& done, const QString& waitName);

// Moves the virtual clock forward without delivering anything, as a blocking sleep does.
void Advance(GameMs ms);

// Counts one delivered event; the application object calls it for every event it dispatches.
void CountEvent();

}  // namespace gametime

}  // namespace ui

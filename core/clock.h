#pragma once

#include <QString>

struct GameRecord;

// Minutes from 4:30 PM until the gate closes.
inline constexpr int kMinutesUntilClosing = 30;

// What a game minute brings. At most one thing happens in a minute: each is bound to a phase.
enum class MinuteEvent {
    Nothing,
    ClosingTime,
    ClosingHeldByMail,  // five o'clock struck while a mail is read; it ends the mail first
    HeroineComes,       // to a player waiting at the first minute of an encounter window
    IgnoredHeroineLeaves,
    AnsweredHeroineLeaves,
    PhoneRings,  // two minutes before the end of a walk
    Arrival,
};

// Moves the game on by one minute and says what the minute brings.
MinuteEvent AdvanceMinute(GameRecord& g);

// "4:31 PM" and so on; "5:00 PM" from the thirtieth minute on.
QString ClockText(int elapsedMinutes);

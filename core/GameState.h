#pragma once

#include <array>
#include <cstdint>

#include <QString>

// What the game is doing; clock steps and travel buttons act by it.
enum class Phase : int16_t {
    BeforePlay = 0,
    Walking = 1,
    AwaitingReply = 2,
    Idle = 3,
    PhoneMail = 4,
    ClosingTime = 5,
};

// Everything a running game knows. One instance lives for the whole process; screens read and
// write its fields directly, and it holds no logic of its own.
struct GameRecord {
    QString lineBreak;
    bool clickFlag = false;
    int16_t elapsedMinutes = 0;
    std::array<int16_t, 7> affection{};  // index 1 to 6
    std::array<int16_t, 7> metStage{};   // index 1 to 6
    int16_t targetHeroine = 0;
    QString givenName;
    QString familyName;
    std::array<int16_t, 6> offeredCodes{};  // index 1 to 5
    QString pendingConversation;
    int16_t arrivalMinute = 0;
    int16_t destination = 0;
    int16_t mailCount = 0;
    int16_t endingHeroine = 0;
    QString sceneMusic;
    int16_t dialogTop = 0;
    Phase phase = Phase::BeforePlay;
    int16_t currentLocation = 0;
    QString musicFile;
    bool musicMuted = false;

    bool operator==(const GameRecord&) const = default;
};

inline GameRecord GameState;

// The campus has seven places; heroines 1 to 6 walk it, 7 and 8 only confess at the gate.
inline constexpr int kLocationCount = 7;
inline constexpr int kCampusHeroines = 6;
inline constexpr int kHeroineCount = 8;

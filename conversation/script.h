#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QString>

// The three conversation files. Each use sees a file as it is now, so that it can be edited while
// the game is installed; an unchanged file is not read again. Damage is reported, never followed
// into a hang: every search ends at the end of its file.
namespace conversation {

inline const QString kCodesFile = QStringLiteral("VelKCode.dat");
inline const QString kLinesFile = QStringLiteral("VelKaiwa.dat");
inline const QString kRepliesFile = QStringLiteral("VelResp.dat");

inline constexpr int kCandidates = 10;

// What is wrong with a data file, in words for the player.
struct DataProblem {
    QString file;
    QString what;
};

struct Reply {
    QString text;
    int change = 0;
};

// The ten candidate response codes of a conversation (slots 1 to 10; slot 0 unused).
using Candidates = std::array<int16_t, kCandidates + 1>;
std::optional<Candidates> ReadCandidates(const QString& conversation, DataProblem& problem);

// The player's line for a response code.
std::optional<QString> ReadPlayerLine(int responseCode, DataProblem& problem);

// The heroine's reply to a response code, searched from the conversation's own section on.
std::optional<Reply> ReadReply(const QString& conversation, int responseCode, DataProblem& problem);

// Replaces the first "ＸＸＸ" with the player's family name.
QString WithFamilyName(QString text, const QString& familyName);

}  // namespace conversation

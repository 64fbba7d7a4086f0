#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QString>

#include "ui/language.h"

// The three conversation files. Each use sees a file as it is now, so that it can be edited while
// the game is installed; an unchanged file is not read again. Damage is reported, never followed
// into a hang: every search ends at the end of its file.
namespace conversation {

inline const QString kCodesFile = QStringLiteral("VelKCode.dat");
inline const QString kLinesFile = QStringLiteral("VelKaiwa.dat");
inline const QString kRepliesFile = QStringLiteral("VelResp.dat");

inline constexpr int kCandidates = 10;

// The file a language reads for one of the three names, as the game's file look-up takes it.
// English lines and replies stand in en/ under the same names, in UTF-8; the codes hold no words
// and are the same file for every language.
QString DataFileFor(const QString& file, ui::Language language);

// What is wrong with a data file, in words for the player, in the player's language. `file` is
// the file as DataFileFor names it.
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

// The player's line for a response code, in `language`.
std::optional<QString> ReadPlayerLine(int responseCode, DataProblem& problem,
                                      ui::Language language = ui::CurrentLanguage());

// The heroine's reply to a response code, searched from the conversation's own section on.
std::optional<Reply> ReadReply(const QString& conversation, int responseCode, DataProblem& problem,
                               ui::Language language = ui::CurrentLanguage());

// Replaces the first "ＸＸＸ" with the player's family name.
QString WithFamilyName(QString text, const QString& familyName);

}  // namespace conversation

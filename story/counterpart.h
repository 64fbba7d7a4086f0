#pragma once

#include <optional>

#include <QString>

#include "ui/language.h"

namespace story {

// A story text as a screen shows it, in another language: `shown` is a text of the tables with
// the player's names put into its placeholders (or a date mail, which is two texts around his
// family name). The result is the same entry of the tables in `to`, with the same names put in.
// Nothing when `shown` is no story text in any other language.
std::optional<QString> Counterpart(const QString& shown, ui::Language to, const QString& familyName,
                                   const QString& givenName);

}  // namespace story

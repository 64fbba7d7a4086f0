#pragma once

#include <QFont>
#include <QString>

namespace ui {

// The room a name has in the longest line that carries it: eight full-width characters, or
// sixteen half-width ones.
inline constexpr int kNameRoomEms = 8;

// Whether `name`, set in the font of the line that carries it, takes no more than that room, in
// the Japanese face and in the English one alike.
bool NameFits(const QString& name, const QFont& lineFont);

}  // namespace ui

#pragma once

#include <QString>

// The clear record: two characters per heroine won, in the order first won: her marker, then a
// digit holding the endings reached as bits (1 confession, 2 mutual love).
inline const QString kHeroineMarkers = QStringLiteral("敬恭恵雅昌亮和敏");
inline constexpr int kConfessionBit = 1;
inline constexpr int kMutualLoveBit = 2;

// The data room's replay sets this affection (or its negative for heroines 7 and 8): the
// staff roll may then be skipped, and the replayed win is never recorded.
inline constexpr int kReplayAffection = 100;

QString UpdatedClearRecord(const QString& record, int heroine, int variantBit);

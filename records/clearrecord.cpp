#include "records/clearrecord.h"

QString UpdatedClearRecord(const QString& record, int heroine, int variantBit) {
    const QChar marker = kHeroineMarkers.at(heroine - 1);
    const qsizetype at = record.indexOf(marker);
    if (at < 0) return record + marker + QString::number(variantBit);
    QString updated = record;
    const qsizetype digitAt = at + 1;
    const QChar old = digitAt < updated.size() ? updated.at(digitAt) : QChar();
    // A damaged digit keeps only the endings there are: more bits would need a second digit,
    // and the data room would show none of her wins.
    const int kept = old.isDigit() ? old.digitValue() & (kConfessionBit | kMutualLoveBit) : 0;
    const QString digit = QString::number(kept | variantBit);
    if (digitAt < updated.size())
        updated.replace(digitAt, 1, digit);
    else
        updated.append(digit);
    return updated;
}

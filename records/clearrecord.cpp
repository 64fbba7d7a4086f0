#include "records/clearrecord.h"

QString UpdatedClearRecord(const QString& record, int heroine, int variantBit) {
    const QChar marker = kHeroineMarkers.at(heroine - 1);
    const qsizetype at = record.indexOf(marker);
    if (at < 0) return record + marker + QString::number(variantBit);
    QString updated = record;
    const qsizetype digitAt = at + 1;
    const QChar old = digitAt < updated.size() ? updated.at(digitAt) : QChar();
    // Only an ASCII digit is one; the bits are ORed in as they stand, so a hand-edited 9 with
    // mutual love becomes B: one hexadecimal digit, and the record keeps its length.
    const int kept = old >= QLatin1Char('0') && old <= QLatin1Char('9') ? old.digitValue() : 0;
    const QString digit = QString::number(kept | variantBit, 16).toUpper();
    if (digitAt < updated.size())
        updated.replace(digitAt, 1, digit);
    else
        updated.append(digit);
    return updated;
}

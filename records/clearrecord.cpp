#include "records/clearrecord.h"

QString UpdatedClearRecord(const QString& record, int heroine, int variantBit) {
    const QChar marker = kHeroineMarkers.at(heroine - 1);
    const qsizetype at = record.indexOf(marker);
    if (at < 0) return record + marker + QString::number(variantBit);
    QString updated = record;
    const qsizetype digitAt = at + 1;
    const QChar old = digitAt < updated.size() ? updated.at(digitAt) : QChar();
    const int bits = (old.isDigit() ? old.digitValue() : 0) | variantBit;
    const QString digit = QString::number(bits, 16).toUpper();
    if (digitAt < updated.size())
        updated.replace(digitAt, 1, digit);
    else
        updated.append(digit);
    return updated;
}

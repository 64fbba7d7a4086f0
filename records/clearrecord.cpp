#include "records/clearrecord.h"

#include "core/GameState.h"
#include "endings/VelEnding.h"
#include "media/KV_Midi.h"
#include "records/settings.h"
#include "ui/runtime.h"

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

void RecordClear() {
    GameRecord& g = GameState;
    StopMidi();
    const int variantBit = g.endingHeroine == g.targetHeroine ? kMutualLoveBit : kConfessionBit;
    VelEnding->ShowModal();
    VelEnding.Unload();
    if (g.endingHeroine < 7 &&
        g.affection[static_cast<size_t>(g.endingHeroine)] == kReplayAffection)
        ui::EndProgram();
    SaveSetting(kClearRecordKey,
                UpdatedClearRecord(GetSetting(kClearRecordKey), g.endingHeroine, variantBit));
    ui::EndProgram();
}

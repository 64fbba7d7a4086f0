// The settings store on any ini file: the clear record and the saved names read, updated as a
// win updates them, written and read back.
#include "core/GameState.h"
#include "fuzz/fuzzing.h"
#include "records/clearrecord.h"
#include "records/settings.h"

namespace {

// What the data room shows of a heroine's wins: the digit after her first marker.
int RecordedBits(const QString& record, int heroine) {
    const qsizetype at = record.indexOf(kHeroineMarkers.at(heroine - 1));
    const QChar digit = at >= 0 && at + 1 < record.size() ? record.at(at + 1) : QChar();
    return digit.isDigit() ? digit.digitValue() : 0;
}

void ExpectKept(const QString& key, const QString& value) {
    SaveSetting(key, value);
    fuzzing::Expect(GetSetting(key) == value, "a setting to read back as it was saved");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::WriteInput(SettingsFilePath(), fuzzing::Bytes(data, size));

    QString record = GetSetting(kClearRecordKey);
    for (int heroine = 1; heroine <= kHeroineCount; ++heroine) {
        const int bit = heroine % 2 == 0 ? kMutualLoveBit : kConfessionBit;
        record = UpdatedClearRecord(record, heroine, bit);
        fuzzing::Expect((RecordedBits(record, heroine) & bit) != 0,
                        "a recorded win to show in the data room");
    }
    ExpectKept(kClearRecordKey, record);
    for (const QString& key : {kSavedFamilyNameKey, kSavedGivenNameKey})
        ExpectKept(key, GetSetting(key));
    return 0;
}

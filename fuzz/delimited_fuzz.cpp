// The data-file reader on any bytes: decoding, fields and numbers.
#include "conversation/delimited.h"
#include "fuzz/fuzzing.h"

using conversation::DataFields;

namespace {

// The fields as text; with `lfEnds`, every CR LF inside a quoted field as LF, which is how a file
// with LF line ends spells it.
QStringList Texts(const DataFields& file, bool lfEnds = false) {
    QStringList fields;
    for (const QStringView field : file.fields) {
        QString text = field.toString();
        if (lfEnds) text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        fields.append(text);
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzing::Bytes(data, size);
    const auto file = conversation::ParseDataFields(bytes);
    const QChar* const begin = file->text.constData();
    const QChar* const end = begin + file->text.size();
    for (const QStringView field : file->fields) {
        fuzzing::Expect(
            field.isEmpty() || (field.data() >= begin && field.data() + field.size() <= end),
            "every field to be a view into the file's own text");
        fuzzing::Expect(
            conversation::StartsWithNumber(field) || conversation::LeadingNumber(field) == 0,
            "a field without digits to read as 0");
    }

    // Files edited on another system come with LF line ends and must read the same.
    QByteArray lfBytes = bytes;
    lfBytes.replace("\r\n", "\n");
    if (lfBytes != bytes)
        fuzzing::Expect(Texts(*conversation::ParseDataFields(lfBytes)) == Texts(*file, true),
                        "an LF file to give the fields of its CR LF twin");
    return 0;
}

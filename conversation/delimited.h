#pragma once

#include <memory>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace conversation {

// Sequential reader of comma- and line-delimited fields, as the data files and the save file are
// written. Fields are counted, not lines: a record may stand on one line or spread over several.
class DelimitedReader {
  public:
    static DelimitedReader FromText(const QString& text);

    // True when only blanks and line ends remain.
    bool AtEnd() const;
    // The next field; an empty string once the text is used up.
    QString ReadField() { return NextField().toString(); }
    // The same, as a view into the reader's text.
    QStringView NextField();

  private:
    explicit DelimitedReader(const QString& text) : text_(text) {}
    void SkipBlanksAndLineEnds();
    void SkipDelimiter();

    // Const, so it stays shared with the caller's copy and never detaches: the views handed
    // out live as long as that copy.
    const QString text_;
    qsizetype pos_ = 0;
};

// Real data files are a few dozen kilobytes; anything past this is no data file of the game.
inline constexpr qint64 kMegabyte = 1024 * 1024;
inline constexpr qint64 kLargestDataFile = 8 * kMegabyte;

// A data file split into its fields, which are views into its text.
struct DataFields {
    QString text;
    std::vector<QStringView> fields;
};

// How a data file's bytes are text. The Japanese files are CP932, as the game always shipped
// them, or UTF-8 as a modern editor saves a player's copy; the files of the other languages are
// UTF-8 only.
enum class DataEncoding { Cp932OrUtf8, Utf8 };

// The fields of a data file's bytes; a byte-order mark is dropped. Null when `encoding` is
// Utf8 and the bytes are no UTF-8.
std::shared_ptr<const DataFields> ParseDataFields(
    const QByteArray& bytes, DataEncoding encoding = DataEncoding::Cp932OrUtf8);

// The fields of a data file read from disk, as ParseDataFields splits them. The parsed
// file is kept and read again only when its size or modification time changes, so an edited
// file takes effect at its next use. Null, with the reason in `problem` in the player's
// language, when the file is missing, unreadable, too large or not in its encoding.
std::shared_ptr<const DataFields> ReadDataFields(const QString& path, QString& problem,
                                                 DataEncoding encoding = DataEncoding::Cp932OrUtf8);

// Reads a number the classic way: leading blanks, an optional sign, decimal digits, stopping at
// the first character that cannot belong to the number. No digits at all gives 0.
int LeadingNumber(QStringView text);
// Whether LeadingNumber finds any digit: one rule for "is this a number" and "which number".
bool StartsWithNumber(QStringView text);

}  // namespace conversation

#pragma once

#include <QString>
#include <QStringView>

namespace conversation {

// Sequential reader of comma- and line-delimited fields, as the data files and the save file are
// written. Fields are counted, not lines: a record may stand on one line or spread over several.
class DelimitedReader {
  public:
    // Reads a CP932 file whole; a missing or unreadable file reads as an empty one.
    explicit DelimitedReader(const QString& path);
    // For callers that already hold decoded text.
    static DelimitedReader FromText(const QString& text);

    bool IsOpen() const { return open_; }
    // True when only blanks and line ends remain.
    bool AtEnd() const;
    // The next field; an empty string once the text is used up.
    QString ReadField();

  private:
    DelimitedReader() = default;
    void SkipBlanksAndLineEnds();
    void SkipDelimiter();

    QString text_;
    qsizetype pos_ = 0;
    bool open_ = false;
};

// Reads a number the classic way: leading blanks, an optional sign, decimal digits, stopping at
// the first character that cannot belong to the number. No digits at all gives 0.
int LeadingNumber(QStringView text);
// Whether LeadingNumber finds any digit: one rule for "is this a number" and "which number".
bool StartsWithNumber(QStringView text);

}  // namespace conversation

#include "conversation/delimited.h"

#include <algorithm>
#include <limits>

#include <QFile>
#include <QStringDecoder>

namespace conversation {

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool IsLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

}  // namespace

DelimitedReader::DelimitedReader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    QStringDecoder decoder("CP932");
    if (!decoder.isValid()) return;
    // A damaged byte decodes to a replacement character; the rest of the file stays readable.
    text_ = decoder.decode(file.readAll());
    open_ = file.error() == QFileDevice::NoError;
    if (!open_) text_.clear();
}

DelimitedReader DelimitedReader::FromText(const QString& text) {
    DelimitedReader reader;
    reader.text_ = text;
    reader.open_ = true;
    return reader;
}

bool DelimitedReader::AtEnd() const {
    for (qsizetype i = pos_; i < text_.size(); ++i) {
        if (!IsBlank(text_[i]) && !IsLineEnd(text_[i])) return false;
    }
    return true;
}

void DelimitedReader::SkipBlanksAndLineEnds() {
    while (pos_ < text_.size() && (IsBlank(text_[pos_]) || IsLineEnd(text_[pos_]))) ++pos_;
}

void DelimitedReader::SkipDelimiter() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == u',') {
        ++pos_;
    } else if (text_[pos_] == u'\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
    } else if (text_[pos_] == u'\n') {
        ++pos_;
    }
}

QString DelimitedReader::ReadField() {
    SkipBlanksAndLineEnds();
    if (pos_ >= text_.size()) return {};

    QString field;
    if (text_[pos_] == u'"') {
        const qsizetype start = pos_ + 1;
        qsizetype close = text_.indexOf(u'"', start);
        if (close < 0) close = text_.size();
        field = text_.mid(start, close - start);
        pos_ = std::min(close + 1, text_.size());
        // Whatever trails the closing quote on its line belongs to no field.
        while (pos_ < text_.size() && text_[pos_] != u',' && !IsLineEnd(text_[pos_])) ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !IsLineEnd(text_[pos_])) ++pos_;
        qsizetype end = pos_;
        while (end > start && IsBlank(text_[end - 1])) --end;
        field = text_.mid(start, end - start);
    }
    SkipDelimiter();
    return field;
}

namespace {
// Where the digits of a leading number start: after blanks and one sign.
qsizetype DigitsStart(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
    return i;
}
bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
}  // namespace

bool StartsWithNumber(QStringView text) {
    const qsizetype i = DigitsStart(text);
    return i < text.size() && IsAsciiDigit(text[i]);
}

int LeadingNumber(QStringView text) {
    qsizetype i = DigitsStart(text);
    const bool negative = i > 0 && text[i - 1] == u'-';
    // Saturate rather than overflow on absurdly long digit runs from a damaged file.
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < text.size() && IsAsciiDigit(text[i]); ++i) {
        value = std::min(value * 10 + (text[i].unicode() - u'0'), kLimit);
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace conversation

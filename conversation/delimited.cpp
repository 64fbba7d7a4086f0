#include "conversation/delimited.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "ui/language.h"

namespace conversation {

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool IsLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

// A data file's text: UTF-8 when it is marked so or is valid UTF-8, as modern editors save it;
// else CP932, as the game writes it. A UTF-8-only file that is no UTF-8 has no text.
std::optional<QString> DecodeDataText(const QByteArray& bytes, DataEncoding encoding) {
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    const bool utf8 = QByteArrayView(bytes).isValidUtf8();
    if (encoding == DataEncoding::Utf8 && !utf8) return std::nullopt;
    // A damaged byte decodes to a replacement character; the rest of the file stays readable.
    if (marked || utf8)
        return QStringDecoder(QStringDecoder::Utf8).decode(bytes);  // drops the byte-order mark
    return QStringDecoder("CP932").decode(bytes);
}

QString InPlayersLanguage(const QString& japanese, const QString& english) {
    return ui::CurrentLanguage() == ui::Language::English ? english : japanese;
}

}  // namespace

DelimitedReader DelimitedReader::FromText(const QString& text) {
    return DelimitedReader(text);
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

QStringView DelimitedReader::NextField() {
    SkipBlanksAndLineEnds();
    if (pos_ >= text_.size()) return {};

    QStringView field;
    if (text_[pos_] == u'"') {
        const qsizetype start = pos_ + 1;
        qsizetype close = text_.indexOf(u'"', start);
        if (close < 0) close = text_.size();
        field = QStringView(text_).mid(start, close - start);
        pos_ = std::min(close + 1, text_.size());
        // Whatever trails the closing quote on its line belongs to no field.
        while (pos_ < text_.size() && text_[pos_] != u',' && !IsLineEnd(text_[pos_])) ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !IsLineEnd(text_[pos_])) ++pos_;
        qsizetype end = pos_;
        while (end > start && IsBlank(text_[end - 1])) --end;
        field = QStringView(text_).mid(start, end - start);
    }
    SkipDelimiter();
    return field;
}

std::shared_ptr<const DataFields> ParseDataFields(const QByteArray& bytes, DataEncoding encoding) {
    std::optional<QString> text = DecodeDataText(bytes, encoding);
    if (!text) return nullptr;
    auto fields = std::make_shared<DataFields>();
    fields->text = std::move(*text);
    for (auto reader = DelimitedReader::FromText(fields->text); !reader.AtEnd();)
        fields->fields.push_back(reader.NextField());
    return fields;
}

std::shared_ptr<const DataFields> ReadDataFields(const QString& path, QString& problem,
                                                 DataEncoding encoding) {
    struct Parsed {
        qint64 size = -1;
        QDateTime modified;
        std::shared_ptr<const DataFields> fields;
    };
    static std::map<QString, Parsed> parsed;  // by absolute path: tests change folders

    const QFileInfo info(path);
    if (!info.exists()) {
        problem = InPlayersLanguage(QStringLiteral("ファイルが見つかりません。"),
                                    QStringLiteral("The file is missing."));
        return nullptr;
    }
    if (info.size() > kLargestDataFile) {
        problem =
            InPlayersLanguage(
                QStringLiteral(
                    "ファイルが大きすぎます（%1 MB 以上。データファイルは %2 MB までです）。"),
                QStringLiteral("The file is too large (%1 MB or more; a data file holds "
                               "at most %2 MB)."))
                .arg(info.size() / kMegabyte)
                .arg(kLargestDataFile / kMegabyte);
        return nullptr;
    }
    // One path is read in one encoding; the encoding is part of the key all the same.
    Parsed& known = parsed[info.absoluteFilePath() + QChar(u'0' + static_cast<int>(encoding))];
    if (known.fields && known.size == info.size() && known.modified == info.lastModified())
        return known.fields;

    known = Parsed{};  // the old fields go before the new are read
    QFile file(path);
    // Read no further than the limit: the file may have grown since it was measured.
    const QByteArray bytes =
        file.open(QIODevice::ReadOnly) ? file.read(kLargestDataFile + 1) : QByteArray();
    if (file.error() != QFileDevice::NoError || bytes.size() > kLargestDataFile) {
        problem = InPlayersLanguage(QStringLiteral("ファイルを読み込めません。"),
                                    QStringLiteral("The file cannot be read."));
        return nullptr;
    }
    auto fields = ParseDataFields(bytes, encoding);
    if (!fields) {
        problem = InPlayersLanguage(
            QStringLiteral("ファイルが UTF-8 の文字で書かれていません。"),
            QStringLiteral("The file is not UTF-8 text: save it as UTF-8 in a text editor."));
        return nullptr;
    }
    known = {bytes.size(), info.lastModified(), std::move(fields)};
    return known.fields;
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

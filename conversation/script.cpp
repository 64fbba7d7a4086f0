#include "conversation/script.h"

#include <cstdint>

#include "conversation/delimited.h"
#include "ui/folders.h"

namespace conversation {

namespace {

const QString kPlaceholder = QStringLiteral("ＸＸＸ");
constexpr int kCodeLength = 3;
constexpr int kChangeLength = 2;

int CodeOf(QStringView field) {
    return LeadingNumber(field.left(kCodeLength));
}

// Reads a data file's fields in order, as the files were always read from the start.
class FieldCursor {
  public:
    explicit FieldCursor(std::shared_ptr<const DataFields> file) : file_(std::move(file)) {}
    bool AtEnd() const { return next_ >= file_->fields.size(); }
    QStringView Next() { return AtEnd() ? QStringView() : file_->fields[next_++]; }

  private:
    std::shared_ptr<const DataFields> file_;
    size_t next_ = 0;
};

std::optional<FieldCursor> Open(const QString& file, DataProblem& problem) {
    QString what;
    auto fields = ReadDataFields(ui::GameFile(file), what);
    if (!fields) {
        problem = {file, what};
        return std::nullopt;
    }
    return FieldCursor(std::move(fields));
}

// Reads fields until one is exactly `code`; false at the end of the file.
bool SeekField(FieldCursor& reader, const QString& code) {
    while (!reader.AtEnd())
        if (reader.Next() == code) return true;
    return false;
}

}  // namespace

std::optional<Candidates> ReadCandidates(const QString& conversation, DataProblem& problem) {
    auto reader = Open(kCodesFile, problem);
    if (!reader) return std::nullopt;
    if (!SeekField(*reader, conversation)) {
        problem = {kCodesFile, QStringLiteral("会話 %1 の記録がありません。").arg(conversation)};
        return std::nullopt;
    }
    Candidates candidates{};
    for (int slot = 1; slot <= kCandidates; ++slot) {
        if (reader->AtEnd()) {
            problem = {kCodesFile, QStringLiteral("会話 %1 の候補が %2 個しかありません。")
                                       .arg(conversation)
                                       .arg(slot - 1)};
            return std::nullopt;
        }
        const QStringView field = reader->Next();
        if (!StartsWithNumber(field)) {
            problem = {kCodesFile, QStringLiteral("会話 %1 の候補「%2」が数字ではありません。")
                                       .arg(conversation, field)};
            return std::nullopt;
        }
        // A response code is a 16-bit number; a longer one would wrap into another code.
        const int code = LeadingNumber(field);
        if (code < INT16_MIN || code > INT16_MAX) {
            problem = {
                kCodesFile,
                QStringLiteral("会話 %1 の候補「%2」は大きすぎます。").arg(conversation, field)};
            return std::nullopt;
        }
        candidates[static_cast<size_t>(slot)] = static_cast<int16_t>(code);
    }
    return candidates;
}

std::optional<QString> ReadPlayerLine(int responseCode, DataProblem& problem) {
    auto reader = Open(kLinesFile, problem);
    if (!reader) return std::nullopt;
    while (!reader->AtEnd()) {
        const QStringView field = reader->Next();
        if (CodeOf(field) == responseCode) return field.mid(kCodeLength).toString();
    }
    problem = {kLinesFile, QStringLiteral("セリフ %1 がありません。").arg(responseCode)};
    return std::nullopt;
}

std::optional<Reply> ReadReply(const QString& conversation, int responseCode,
                               DataProblem& problem) {
    auto reader = Open(kRepliesFile, problem);
    if (!reader) return std::nullopt;
    if (!SeekField(*reader, conversation)) {
        problem = {kRepliesFile, QStringLiteral("会話 %1 の返事がありません。").arg(conversation)};
        return std::nullopt;
    }
    // The section's own header is the first field tested, as the files were always read.
    QStringView field = conversation;
    while (CodeOf(field) != responseCode) {
        if (reader->AtEnd()) {
            problem = {kRepliesFile, QStringLiteral("会話 %1 にセリフ %2 への返事がありません。")
                                         .arg(conversation)
                                         .arg(responseCode)};
            return std::nullopt;
        }
        field = reader->Next();
    }
    const QStringView change = field.right(kChangeLength);
    // Five characters are a reply with no words; fewer leave no room for the change.
    if (field.size() < kCodeLength + kChangeLength || !StartsWithNumber(change)) {
        problem = {kRepliesFile, QStringLiteral("会話 %1 のセリフ %2 への返事「%3」が短すぎるか、"
                                                "好感度の数字がありません。")
                                     .arg(conversation)
                                     .arg(responseCode)
                                     .arg(field)};
        return std::nullopt;
    }
    return Reply{field.mid(kCodeLength, field.size() - kCodeLength - kChangeLength).toString(),
                 LeadingNumber(change)};
}

QString WithFamilyName(QString text, const QString& familyName) {
    const qsizetype at = text.indexOf(kPlaceholder);
    if (at >= 0) text.replace(at, kPlaceholder.size(), familyName);
    return text;
}

}  // namespace conversation

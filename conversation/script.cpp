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

bool English() {
    return ui::CurrentLanguage() == ui::Language::English;
}
// A message for the player: the words are in the language he reads, whichever file it is about.
QString Said(const char16_t* japanese, const char16_t* english) {
    return QString::fromUtf16(English() ? english : japanese);
}

std::optional<FieldCursor> Open(const QString& name, ui::Language language, DataProblem& problem) {
    const QString file = DataFileFor(name, language);
    const DataEncoding encoding = file == name ? DataEncoding::Cp932OrUtf8 : DataEncoding::Utf8;
    QString what;
    auto fields = ReadDataFields(ui::GameFile(file), what, encoding);
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

QString DataFileFor(const QString& file, ui::Language language) {
    if (language == ui::Language::Japanese || file == kCodesFile) return file;
    return QStringLiteral("en/") + file;
}

std::optional<Candidates> ReadCandidates(const QString& conversation, DataProblem& problem) {
    auto reader = Open(kCodesFile, ui::Language::Japanese, problem);
    if (!reader) return std::nullopt;
    if (!SeekField(*reader, conversation)) {
        problem = {kCodesFile,
                   Said(u"会話 %1 の記録がありません。", u"There is no record of conversation %1.")
                       .arg(conversation)};
        return std::nullopt;
    }
    Candidates candidates{};
    for (int slot = 1; slot <= kCandidates; ++slot) {
        if (reader->AtEnd()) {
            problem = {kCodesFile, Said(u"会話 %1 の候補が %2 個しかありません。",
                                        u"Conversation %1 has only %2 candidate lines.")
                                       .arg(conversation)
                                       .arg(slot - 1)};
            return std::nullopt;
        }
        const QStringView field = reader->Next();
        if (!StartsWithNumber(field)) {
            problem = {kCodesFile, Said(u"会話 %1 の候補「%2」が数字ではありません。",
                                        u"Candidate \"%2\" of conversation %1 is no number.")
                                       .arg(conversation, field)};
            return std::nullopt;
        }
        // A response code is a 16-bit number; a longer one would wrap into another code.
        const int code = LeadingNumber(field);
        if (code < INT16_MIN || code > INT16_MAX) {
            problem = {kCodesFile, Said(u"会話 %1 の候補「%2」は大きすぎます。",
                                        u"Candidate \"%2\" of conversation %1 is too large.")
                                       .arg(conversation, field)};
            return std::nullopt;
        }
        candidates[static_cast<size_t>(slot)] = static_cast<int16_t>(code);
    }
    return candidates;
}

std::optional<QString> ReadPlayerLine(int responseCode, DataProblem& problem,
                                      ui::Language language) {
    auto reader = Open(kLinesFile, language, problem);
    if (!reader) return std::nullopt;
    while (!reader->AtEnd()) {
        const QStringView field = reader->Next();
        if (CodeOf(field) == responseCode) return field.mid(kCodeLength).toString();
    }
    problem = {DataFileFor(kLinesFile, language),
               Said(u"セリフ %1 がありません。", u"There is no line %1.").arg(responseCode)};
    return std::nullopt;
}

std::optional<Reply> ReadReply(const QString& conversation, int responseCode, DataProblem& problem,
                               ui::Language language) {
    auto reader = Open(kRepliesFile, language, problem);
    if (!reader) return std::nullopt;
    const QString file = DataFileFor(kRepliesFile, language);
    if (!SeekField(*reader, conversation)) {
        problem = {file, Said(u"会話 %1 の返事がありません。",
                              u"There are no replies for conversation %1.")
                             .arg(conversation)};
        return std::nullopt;
    }
    // The section's own header is the first field tested, as the files were always read.
    QStringView field = conversation;
    while (CodeOf(field) != responseCode) {
        if (reader->AtEnd()) {
            problem = {file, Said(u"会話 %1 にセリフ %2 への返事がありません。",
                                  u"Conversation %1 has no reply to line %2.")
                                 .arg(conversation)
                                 .arg(responseCode)};
            return std::nullopt;
        }
        field = reader->Next();
    }
    const QStringView change = field.right(kChangeLength);
    // Five characters are a reply with no words; fewer leave no room for the change.
    if (field.size() < kCodeLength + kChangeLength || !StartsWithNumber(change)) {
        problem = {file, Said(u"会話 %1 のセリフ %2 への返事「%3」が短すぎるか、"
                              u"好感度の数字がありません。",
                              u"The reply \"%3\" to line %2 of conversation %1 is too short or "
                              u"has no number for the change of affection.")
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

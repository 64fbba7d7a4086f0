#include "core/savefile.h"

#include <algorithm>
#include <optional>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include "core/GameState.h"
#include "core/clock.h"
#include "records/safewrite.h"

namespace {

// The lines of the file, from 0: the names, the minutes, six affection letters, six met
// stages, the picked heroine and the place.
enum SaveLine : int {
    kFamilyNameLine = 0,
    kGivenNameLine = 1,
    kMinutesLine = 2,
    kFirstAffectionLine = 3,
    kFirstMetStageLine = kFirstAffectionLine + kCampusHeroines,
    kTargetLine = kFirstMetStageLine + kCampusHeroines,
    kLocationLine,
    kSaveLines,
};
// An affection value is kept as the character 72 + value: printable ASCII from -39 to 54.
constexpr int kAffectionBase = 72;
constexpr int kLowestAffection = -39;
constexpr int kHighestAffection = 54;
// 1 to 6 from the album; the data room's replay also uses 7 and 8, and 9 for nobody.
constexpr int kHighestTarget = 9;

QString Number(int value) {
    // Classic number output: a blank before a value that is not negative.
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

std::optional<int> ParseNumber(const QString& line) {
    bool ok = false;
    const int value = line.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The text of a save file, or nothing when its bytes cannot be a save the game wrote: not CP932,
// or with a NUL or a UTF-8 byte-order mark.
std::optional<QString> SaveText(const QByteArray& bytes) {
    QStringDecoder cp932("CP932");
    const QString text = cp932.decode(bytes);
    if (cp932.hasError() || bytes.contains('\0') || bytes.startsWith("\xEF\xBB\xBF"))
        return std::nullopt;
    return text;
}

// Whether these bytes of a name read as UTF-8 as a modern editor saves it, which also decodes as
// CP932 at times. Letters outside CP932 read as UTF-8 mean CP932 after all, such as half-width
// kana; so do letters UTF-8 spells in two bytes, as pairs of half-width kana are ("ﾎｼ" reads as
// "μ"): an editor's UTF-8 spells Japanese in three bytes a letter.
bool ReadsAsEditorsUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString asUtf8 = utf8.decode(bytes);
    const auto threeBytes = [](QChar c) { return c.unicode() >= 0x800; };
    if (utf8.hasError() || std::none_of(asUtf8.begin(), asUtf8.end(), threeBytes)) return false;
    QStringEncoder encoder("CP932");
    const QByteArray encoded = encoder.encode(asUtf8);  // converting is what finds them
    return !encoder.hasError();
}

}  // namespace

bool SaveExists() {
    const QFileInfo info(kSaveFile);
    return info.exists() && info.isFile() && !info.isHidden();
}

void DeleteSave() {
    QFile::remove(kSaveFile);
}

bool WriteSave(QString& problem) {
    const GameRecord& g = GameState;
    // A game held past five o'clock by a mail resumes at five o'clock, as any later minute would.
    QStringList lines{g.familyName, g.givenName,
                      Number(std::clamp<int>(g.elapsedMinutes, 0, kMinutesUntilClosing))};
    for (int h = 1; h <= kCampusHeroines; ++h) {
        const int value = std::clamp<int>(g.affection[static_cast<size_t>(h)], kLowestAffection,
                                          kHighestAffection);
        lines.append(QChar(kAffectionBase + value));
    }
    for (int h = 1; h <= kCampusHeroines; ++h)
        lines.append(Number(g.metStage[static_cast<size_t>(h)]));
    lines.append(Number(g.targetHeroine));
    lines.append(Number(g.currentLocation));

    QStringEncoder encoder("CP932");
    const QByteArray bytes =
        encoder.encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    if (encoder.hasError()) {
        problem =
            QCoreApplication::translate("Problems", "名前にセーブできない文字が含まれています。");
        return false;
    }
    if (const int error = WriteWhole(kSaveFile, bytes); error != 0) {
        problem = WriteFailure(error, kSaveFile);
        return false;
    }
    return true;
}

void RemoveLeftoverSaveFiles() {
    RemoveLeftovers(kSaveFile);
}

bool ReadSave(QString& problem) {
    QFile file(kSaveFile);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QCoreApplication::translate("Problems", "セーブデータ %1 が見つかりません。")
                      .arg(kSaveFile);
        return false;
    }
    const QString foreign =
        QCoreApplication::translate("Problems", "%1 はこのゲームのセーブデータではありません。")
            .arg(kSaveFile);
    const std::optional<QString> text = SaveText(file.readAll());
    if (!text) {
        problem = foreign;
        return false;
    }
    // Strictly line by line: a name keeps its commas and blanks. LF alone ends a line too.
    QStringList lines = text->split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    const QString damaged =
        QCoreApplication::translate("Problems", "セーブデータ %1 が壊れています").arg(kSaveFile);
    if (lines.size() < kSaveLines) {
        problem = damaged + QCoreApplication::translate("Problems", "（途中で切れています）。");
        return false;
    }
    // The names are the only letters past ASCII a save holds. They are judged as the game would
    // write them again, so that a save it wrote from this one reads the same.
    QStringEncoder encoder("CP932");
    const QByteArray names =
        encoder.encode(lines[kFamilyNameLine] + QStringLiteral("\r\n") + lines[kGivenNameLine]);
    if (ReadsAsEditorsUtf8(names)) {
        problem = foreign;
        return false;
    }

    // Line numbers in messages count from 1, as an editor shows them.
    const auto number = [&](int line, int lowest, int highest, int16_t& into) {
        const std::optional<int> value = ParseNumber(lines[line]);
        if (!value) {
            problem = damaged +
                      QCoreApplication::translate("Problems", "（%1 行目が数字ではありません）。")
                          .arg(line + 1);
        } else if (*value < lowest || *value > highest) {
            problem =
                damaged + QCoreApplication::translate(
                              "Problems", "（%1 行目の %2 は %3 から %4 の範囲にありません）。")
                              .arg(line + 1)
                              .arg(*value)
                              .arg(lowest)
                              .arg(highest);
        } else {
            into = static_cast<int16_t>(*value);
            return true;
        }
        return false;
    };
    GameRecord loaded = GameState;
    loaded.familyName = lines[kFamilyNameLine];
    loaded.givenName = lines[kGivenNameLine];
    if (!number(kMinutesLine, 0, kMinutesUntilClosing, loaded.elapsedMinutes)) return false;
    for (int h = 1; h <= kCampusHeroines; ++h) {
        const int line = kFirstAffectionLine + h - 1;
        const QString& letter = lines[line];
        if (letter.size() != 1 || letter[0].unicode() <= ' ' || letter[0].unicode() > '~') {
            problem =
                damaged +
                QCoreApplication::translate("Problems", "（%1 行目が読めません）。").arg(line + 1);
            return false;
        }
        loaded.affection[static_cast<size_t>(h)] =
            static_cast<int16_t>(letter[0].unicode() - kAffectionBase);
    }
    for (int h = 1; h <= kCampusHeroines; ++h)
        if (!number(kFirstMetStageLine + h - 1, 0, 1, loaded.metStage[static_cast<size_t>(h)]))
            return false;
    if (!number(kTargetLine, 0, kHighestTarget, loaded.targetHeroine) ||
        !number(kLocationLine, 1, kLocationCount, loaded.currentLocation))
        return false;
    GameState = loaded;
    return true;
}

QString NameProblem(const QString& name) {
    QStringEncoder encoder("CP932");
    const QByteArray encoded = encoder.encode(name);  // converting is what finds bad characters
    // A control character passes the encoder, but a line end splits the save's lines and a NUL
    // makes it no save at all; so would bytes that also spell Japanese in UTF-8 ("縺ゅ≠").
    const auto control = [](QChar c) { return c.category() == QChar::Other_Control; };
    if (encoder.hasError() || std::any_of(name.begin(), name.end(), control) ||
        ReadsAsEditorsUtf8(encoded))
        return QCoreApplication::translate("Problems",
                                           "その字は名簿に書けないんだ。別の字にしてくれよ。");
    if (name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('"')))
        return QCoreApplication::translate("Problems",
                                           "名前に , や \" は使えないんだ。書き直してくれよ。");
    // A lone blank is a name the album has always taken; blanks around a name are a slip.
    const auto blank = [](QChar c) { return c.isSpace(); };
    if (name.size() > 1 && (blank(name.front()) || blank(name.back())))
        return QCoreApplication::translate("Problems",
                                           "名前の前後に空白が入ってるぞ。詰めて書いてくれよ。");
    return QString();
}

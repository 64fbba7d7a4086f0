#include "ui/language.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

namespace ui {

namespace {

Language current = Language::Japanese;

// The Japanese texts are the source texts: the game's own translator is English only.
QTranslator& English() {
    static QTranslator* english = [] {
        auto* translator = new QTranslator(qApp);
        [[maybe_unused]] const bool loaded =
            translator->load(QStringLiteral("velmora3_en"), QStringLiteral(":/i18n"));
        Q_ASSERT(loaded);
        return translator;
    }();
    return *english;
}

QTranslator& QtJapanese() {
    static QTranslator* japanese = [] {
        auto* translator = new QTranslator(qApp);
        // Missing without Qt's translations: the buttons then read English.
        [[maybe_unused]] const bool loaded = translator->load(
            QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return translator;
    }();
    return *japanese;
}

}  // namespace

Language CurrentLanguage() {
    return current;
}

void SetLanguage(Language language) {
    current = language;
    if (!qApp) return;
    SetTextsLanguage(language);
    // Installing a translator posts a LanguageChange to every window: not told, as promised.
    QCoreApplication::removePostedEvents(nullptr, QEvent::LanguageChange);
}

void SetTablesLanguage(Language language) {
    current = language;
}

void SetTextsLanguage(Language language) {
    const bool english = language == Language::English;
    QTranslator& out = english ? QtJapanese() : English();
    QTranslator& in = english ? English() : QtJapanese();
    QCoreApplication::removeTranslator(&out);
    // Out first, so that it is never installed twice.
    QCoreApplication::removeTranslator(&in);
    if (!in.isEmpty()) QCoreApplication::installTranslator(&in);
}

QString TextIn(Language language, const char* context, const char* source,
               const char* disambiguation) {
    if (language == Language::Japanese) return QString::fromUtf8(source);
    const QString english = English().translate(context, source, disambiguation);
    return english.isEmpty() ? QString::fromUtf8(source) : english;
}

void SwitchLanguage(Language language) {
    if (language == current) return;
    SetLanguage(language);
    // Sent, not posted: the words change before the player's next input is seen. QWidget hands
    // the event on to every child.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &change);
    }
}

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<Language> LanguageOfCode(QStringView code) {
    if (code == u"ja") return Language::Japanese;
    if (code == u"en") return Language::English;
    return std::nullopt;
}

Language LanguageOfLocale(QStringView locale) {
    // "C.UTF-8" and its kin are the C locale with another character set.
    const QStringView name = locale.left(locale.indexOf(u'.'));
    if (name.isEmpty() || name == u"C" || name == u"POSIX" || locale.startsWith(u"ja"))
        return Language::Japanese;
    return Language::English;
}

Language DesktopLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) return LanguageOfLocale(value);
    }
    return LanguageOfLocale(u"");
}

}  // namespace ui

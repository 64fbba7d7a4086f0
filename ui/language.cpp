#include "ui/language.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ui {

namespace {
Language current = Language::Japanese;
}

Language CurrentLanguage() {
    return current;
}

void SetLanguage(Language language) {
    current = language;
}

void SwitchLanguage(Language language) {
    if (language == current) return;
    current = language;
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

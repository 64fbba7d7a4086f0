#pragma once

#include <optional>

#include <QString>
#include <QStringView>

namespace ui {

// The language the player reads and hears. Japanese is the game's own edition: its texts, data
// files, save file and clear record never change with this choice.
enum class Language { Japanese, English };

Language CurrentLanguage();
// Sets the language without telling the screens: for the start, before any window, and tests.
// The words written in code follow it from then on (see SetTextsLanguage).
void SetLanguage(Language language);
// Sets only the language the story tables answer in: for reading both editions' tables.
void SetTablesLanguage(Language language);
// Puts in the translators of `language` for the words written in code: the game's English
// ones, or Qt's own Japanese ones (the message boxes' buttons). Needs the application object.
void SetTextsLanguage(Language language);
// A text written in code, as `language` reads it, whatever language is current.
QString TextIn(Language language, const char* context, const char* source,
               const char* disambiguation = nullptr);
// Changes the language while the game runs: every window gets a LanguageChange event at once,
// and the screens show their words again in the new language. Nothing else moves: the game's
// state, its clock and its timers go on as they were.
void SwitchLanguage(Language language);

// The short name the command line and the settings file use: "ja" or "en".
QString LanguageCode(Language language);
std::optional<Language> LanguageOfCode(QStringView code);

// The language of a POSIX locale name: Japanese for ja*, C and POSIX (and no locale at all),
// English for any other.
Language LanguageOfLocale(QStringView locale);
// The desktop's language, from the locale the environment sets for messages: LC_ALL, else
// LC_MESSAGES, else LANG, the first that is set and not empty.
Language DesktopLanguage();

}  // namespace ui

#pragma once

#include <QString>

#include "ui/language.h"

// After a switch of the player's language: the words on the campus screen and the answers of the
// choice dialog are shown again as the new language has them. Story texts and the conversation
// files' lines are found by what they are; any other words stay as they were. Nothing is
// remembered, announced as new or changed in the game: the same moment, in other words.
// Both, as the campus screen's onLanguageChange.
void RetellCampusScreen();
void RetellAnswers();

// The girl's call from behind at the gate, and who the screen says is calling, in `language`:
// lines written in code, told again after a switch like the rest.
QString CallFromBehind(ui::Language language);
QString CallerFromBehind(ui::Language language);

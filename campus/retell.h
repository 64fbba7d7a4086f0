#pragma once

// After a switch of the player's language: the words on the campus screen and the answers of the
// choice dialog are shown again as the new language has them. Story texts and the conversation
// files' lines are found by what they are; any other words stay as they were. Nothing is
// remembered, announced as new or changed in the game: the same moment, in other words.
// Both, as the campus screen's onLanguageChange.
void RetellCampusScreen();
void RetellAnswers();

#pragma once

// After a switch of the player's language every window shows its story texts in the new one:
// the labels, buttons and tool tips whose words are a text of the story tables, names put in.
// Words written in the screens' own code stay; the campus screen retells its line and answers
// itself. Installed once, at the start.
void RetellWindowsOnLanguageChange();

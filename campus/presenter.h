#pragma once

#include <QString>

// Shows one line on the campus screen: the speaker, the text and, when a picture code is
// given, the scene picture with its theme music. It does not wait.
void ShowLine(const QString& pictureCode, const QString& text, const QString& speaker);

// Has a screen reader speak the line on the campus screen, after its speaker's name.
void AnnounceLine();

// What a scene picture shows, in a few words for a screen reader; empty for an unknown code.
QString ScenePictureName(const QString& pictureCode);

// Shows the click prompt and waits, with every timer still running, until the player clicks
// the picture or the text or presses a key. Clicks made before the wait do not count.
void WaitForClick();

// A line the player reads before the story goes on: ShowLine, then WaitForClick.
void Say(const QString& pictureCode, const QString& text, const QString& speaker = QString());

// Enables the travel buttons of the paths from the current place when the player is idle, and
// disables them all while walking, talking or at closing time.
void UpdateTravelButtons();

// Names the scene's picture again, in the player's language, for a screen reader.
void RenameScenePicture();

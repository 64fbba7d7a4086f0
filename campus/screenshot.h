#pragma once

// Saves the campus screen as the player sees it (its client area) as a PNG in the user's
// pictures folder, made when missing, named by the date and time, and tells on the text line
// where it went, or why it could not. The game goes on either way.
void TakeScreenshot();

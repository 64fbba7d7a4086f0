#pragma once

class QKeyEvent;
class QWidget;

// Keys that act on every screen: F10 opens the settings, F11 toggles full screen, and Esc leaves
// full screen when the window with the keyboard has no use for it; P pauses the campus screen;
// F8 turns self-voicing on and off, and F9 has it say the time and the place.
// True when the key was taken.
bool ComfortKey(const QKeyEvent& key, QWidget* window);

#pragma once

class QKeyEvent;
class QWidget;

// Keys that act on every screen: F10 opens the settings, F11 toggles full screen, and Esc leaves
// full screen when the window with the keyboard has no use for it; P pauses the campus screen.
// True when the key was taken.
bool ComfortKey(const QKeyEvent& key, QWidget* window);

#pragma once

#include <QString>

class QWidget;

namespace ui {

// Tells a screen reader what a control is (its name) and what it does (its description). An
// empty name leaves the control's own text as its name, for labels whose text is the news.
void Describe(QWidget* control, const QString& name, const QString& description);

// Has a screen reader speak `text` at once, whatever has the keyboard, as news of the window of
// `control`, and keep it among the notifications it has heard. A screen reader hears no change
// of a label: Qt 6.4 passes no text changes from labels and Orca 43 drops their changes of name.
// What it does speak is a notification that shows, so the window shows one for each piece of news.
void Announce(QWidget* control, const QString& text);

}  // namespace ui

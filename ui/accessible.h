#pragma once

#include <QString>

class QWidget;

namespace ui {

// Tells a screen reader what a control is (its name) and what it does (its description). An
// empty name leaves the control's own text as its name, for labels whose text is the news.
void Describe(QWidget* control, const QString& name, const QString& description);

// Has a screen reader hear `text` as the control's new content. Qt 6.4 has no announcement
// event, and its AT-SPI bridge drops text updates from controls without a text interface, as
// labels are; a change of name is what it passes on.
void Announce(QWidget* control, const QString& text);

}  // namespace ui

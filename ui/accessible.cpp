#include "ui/accessible.h"

#include <QWidget>

namespace ui {

void Describe(QWidget* control, const QString& name, const QString& description) {
    if (!name.isEmpty()) control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void Announce(QWidget* control, const QString& text) {
    // Sent even when the name stays the same: the same line twice is still news.
    control->setAccessibleName(text);
}

}  // namespace ui

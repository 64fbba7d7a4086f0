#include "ui/twips.h"

namespace ui {

QFont DesignFont(const QString& family, double points, bool bold, bool italic) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace ui

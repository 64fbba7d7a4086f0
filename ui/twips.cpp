#include "ui/twips.h"

namespace ui {

namespace {
int g_scale = 1;
}

int Scale() {
    return g_scale;
}

void detail::StoreScale(int scale) {
    g_scale = scale;
}

QFont DesignFont(const QString& family, double points, bool bold, bool italic) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)) * Scale());
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace ui

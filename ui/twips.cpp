#include "ui/twips.h"

#include <QWidget>

#include "ui/language.h"

namespace ui {

namespace {
int g_scale = 1;

// The design's family first in Japanese; behind the English face in English.
void SetFaces(QFont& font) {
    QStringList families = font.families();
    families.removeAll(kEnglishFace);
    if (CurrentLanguage() == Language::English) families.prepend(kEnglishFace);
    font.setFamilies(families);
}
}  // namespace

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
    SetFaces(font);
    return font;
}

void SetFacesForLanguage(QWidget* window) {
    // Only fonts set on the control itself: the others follow their parent's.
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls.prepend(window);
    for (QWidget* control : controls) {
        if (!control->testAttribute(Qt::WA_SetFont)) continue;
        QFont font = control->font();
        SetFaces(font);
        control->setFont(font);
    }
}

}  // namespace ui

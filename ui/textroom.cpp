#include "ui/textroom.h"

#include <QFontMetricsF>

namespace ui {

namespace {
constexpr int kMeasuringPixels = 1000;
constexpr QChar kFullWidthSpace(0x3000);  // one em in a Japanese font
}  // namespace

bool NameFits(const QString& name, const QFont& lineFont) {
    // Unhinted and large, so that the answer is the font's own at every scale.
    QFont font = lineFont;
    font.setPixelSize(kMeasuringPixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(font);
    const qreal room = kNameRoomEms * metrics.horizontalAdvance(kFullWidthSpace);
    return metrics.horizontalAdvance(name) <= room + 0.5;  // half a pixel in a thousand
}

}  // namespace ui

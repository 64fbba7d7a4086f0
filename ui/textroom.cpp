#include "ui/textroom.h"

#include <QFontMetricsF>

#include "ui/twips.h"

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
    QStringList japanese = font.families();
    japanese.removeAll(kEnglishFace);
    font.setFamilies(japanese);
    const qreal room = kNameRoomEms * QFontMetricsF(font).horizontalAdvance(kFullWidthSpace);
    // A switch of language never makes a line overflow: the name fits in both faces.
    for (const bool english : {false, true}) {
        font.setFamilies(english ? QStringList{kEnglishFace} + japanese : japanese);
        if (QFontMetricsF(font).horizontalAdvance(name) > room + 0.5) return false;  // ½ px in 1000
    }
    return true;
}

}  // namespace ui

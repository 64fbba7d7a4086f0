#pragma once

#include <cmath>

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace ui {

// The screens were designed in twips at 96 dots per inch: 15 twips make one logical pixel at
// scale 1. The whole game is drawn at a whole-number scale, so that it fits today's screens and
// its pictures stay sharp; Qt's own device-pixel ratio applies on top. SetScale (ui/Form.h)
// changes it while the game runs.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kMaxScale = 3;  // the largest picture variant rendered, @3x

int Scale();
namespace detail {
void StoreScale(int scale);  // only SetScale, which lays every screen out again, calls it
}

inline int ToPixels(double twips) {
    return static_cast<int>(std::lround(twips * Scale() / kTwipsPerPixel));
}
inline int ToTwips(int pixels) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) * kTwipsPerPixel / Scale()));
}

// Offset that centres `inner` within `outer`: the difference rounded to a whole number (halves
// to even, as the classic runtime rounds) and then halved with the remainder dropped toward zero.
inline int CenteredOffset(double outer, double inner) {
    const auto difference = static_cast<long>(std::nearbyint(outer - inner));
    return static_cast<int>(difference / 2);
}

// A colour written as &H00BBGGRR&.
inline QColor BgrColor(unsigned int bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// A design font: family and size in points as the screens were laid out at 96 dots per inch.
// The size is set in pixels, times the scale, so that text fills the same space whatever the
// display's DPI. In English the face is kEnglishFace, with the design's family behind it for
// the full-width names a player may type.
QFont DesignFont(const QString& family, double points, bool bold = false, bool italic = false);
// Sets the own font of `window` and of every control on it in the face of the current
// language, size and style kept.
void SetFacesForLanguage(QWidget* window);

// A face made for reading Latin text on screen, from fonts-open-sans.
inline const QString kEnglishFace = QStringLiteral("Open Sans");

inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kPMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString kSansSerif = QStringLiteral("MS Sans Serif");

}  // namespace ui

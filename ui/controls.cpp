#include "ui/controls.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "ui/folders.h"
#include "ui/twips.h"

namespace ui {

int ButtonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= kLeftButton;
    if (buttons & Qt::RightButton) code |= kRightButton;
    if (buttons & Qt::MiddleButton) code |= kMiddleButton;
    return code;
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= kShiftMask;
    if (modifiers & Qt::ControlModifier) code |= kCtrlMask;
    if (modifiers & Qt::AltModifier) code |= kAltMask;
    return code;
}

namespace {
constexpr char kDesignRect[] = "velmoraTwips";
}

void PlaceTwips(QWidget* control, int left, int top, int width, int height) {
    control->setProperty(kDesignRect, QRect(left, top, width, height));
    control->setGeometry(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

void RescaleControl(QWidget* control, int fromScale, int toScale) {
    const QVariant design = control->property(kDesignRect);
    if (design.isValid()) {
        const QRect r = design.toRect();
        PlaceTwips(control, r.x(), r.y(), r.width(), r.height());
    }
    // Only fonts set on the control itself: the others follow their parent's. A design font's
    // pixel size is a multiple of the scale it was made at.
    QFont font = control->font();
    if (control->testAttribute(Qt::WA_SetFont) && font.pixelSize() > 0) {
        font.setPixelSize(font.pixelSize() / fromScale * toScale);
        control->setFont(font);
    }
    if (auto* aware = dynamic_cast<ScaleAware*>(control)) aware->ScaleChanged();
}

namespace {
QString VariantPath(const QString& path, int factor) {
    if (factor == 1) return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash) dot = path.size();
    return path.left(dot) + QStringLiteral("@%1x").arg(factor) + path.mid(dot);
}

// A variant belongs to the picture beside it only if it is that picture at its factor and not
// older: a picture the player replaced keeps its own look, scaled from its one file.
bool IsVariantOf(const QString& variant, int factor, const QString& path) {
    const QFileInfo v(variant);
    const QFileInfo base(path);
    if (!v.isFile() || v.lastModified() < base.lastModified()) return false;
    QImageReader baseReader(path), variantReader(variant);
    baseReader.setDecideFormatFromContent(true);
    variantReader.setDecideFormatFromContent(true);
    return variantReader.size() == baseReader.size() * factor;
}
}  // namespace

QPixmap ReadPicture(const QString& name) {
    const auto wanted = std::clamp(
        static_cast<int>(std::ceil(Scale() * qApp->devicePixelRatio() - 0.01)), 1, kMaxScale);
    // The variant the screen wants, else a sharper one, else the sharpest of the rest.
    QList<int> factors;
    for (int f = wanted; f <= kMaxScale; ++f) factors.append(f);
    for (int f = wanted - 1; f >= 1; --f) factors.append(f);
    const QString base = GameFile(name);
    for (int factor : factors) {
        const QString variant = VariantPath(name, factor);
        if (factor != 1 && !HasGameFile(variant)) continue;
        const QString file = factor == 1 ? base : GameFile(variant);
        if (factor != 1 && !IsVariantOf(file, factor, base)) continue;
        QImageReader reader(file);
        reader.setDecideFormatFromContent(true);
        const QImage image = reader.read();
        if (image.isNull()) continue;
        QPixmap picture = QPixmap::fromImage(image);
        picture.setDevicePixelRatio(factor);
        return picture;
    }
    return {};
}

void DrawPicture(QPainter& painter, const QPixmap& picture) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(0, 0), picture.deviceIndependentSize() * Scale()), picture,
                       QRectF(picture.rect()));
}

void FillBackground(QWidget* widget, const QColor& color) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

namespace {
QPoint TwipsOf(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {ToTwips(p.x()), ToTwips(p.y())};
}
}  // namespace

void MouseEvents::HandlePress(QMouseEvent* event) {
    pressedInside_ = event->button() == Qt::LeftButton;
    RaiseMouseDown(event);
}

void MouseEvents::RaiseMouseDown(QMouseEvent* event) {
    if (onMouseDown) {
        const QPoint at = TwipsOf(event);
        onMouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), at.x(), at.y());
    }
}

void MouseEvents::HandleRelease(QWidget* self, QMouseEvent* event) {
    // A click is a left press and release on the same control.
    const bool click = pressedInside_ && event->button() == Qt::LeftButton &&
                       self->rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (click && onClick) onClick();
}

void MouseEvents::HandleDoubleClick(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onDblClick) onDblClick();
    // The second press of a double click still raises MouseDown, but clicks no second time.
    RaiseMouseDown(event);
}

bool MouseEvents::HandleKey(QWidget* self, QKeyEvent* event) {
    const int key = event->key();
    if (self->focusPolicy() == Qt::NoFocus || event->modifiers() != Qt::NoModifier ||
        (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space))
        return false;
    if (onClick) onClick();
    return true;
}

namespace {
// Only the player's own Tab counts as coming over a control, not the focus a window hands to its
// first control when it opens.
bool MovedByKeyboard(const QFocusEvent& e) {
    return e.reason() == Qt::TabFocusReason || e.reason() == Qt::BacktabFocusReason;
}
}  // namespace

void TakeKeyboard(QWidget* control, std::function<void()> onFocus) {
    control->setFocusPolicy(Qt::StrongFocus);
    if (auto* events = dynamic_cast<MouseEvents*>(control)) events->onFocus = std::move(onFocus);
}

void MouseEvents::HandleMove(QMouseEvent* event) {
    if (onMouseMove) {
        const QPoint at = TwipsOf(event);
        onMouseMove(ButtonCode(event->buttons()), ShiftCode(event->modifiers()), at.x(), at.y());
    }
}

void MouseEvents::HandleWheel(QWheelEvent* event) {
    // Without a handler the wheel goes on to the window, as Qt would send it.
    if (!onMouseWheel || event->angleDelta().y() == 0) return event->ignore();
    onMouseWheel(event->angleDelta().y());
}

Label::Label(QWidget* parent, int left, int top, int width, int height, const QString& caption)
    : QLabel(caption, parent) {
    PlaceTwips(this, left, top, width, height);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
    setFont(DesignFont(kPGothic, 9));
    setTextFormat(Qt::PlainText);
}

void Label::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    if (e->type() == QEvent::FontChange) FitTheFace();
}

void Label::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    FitTheFace();
}

void Label::FitTheFace() {
    // The English face stands taller than the design's, for its accents: in a box drawn for one
    // Japanese line, the line is centred so that the blank above the capitals goes, never the
    // descenders below.
    const bool english = font().families().value(0) == kEnglishFace;
    const bool tall = english && QFontMetrics(font()).height() > height();
    const Qt::Alignment vertical = alignment() & Qt::AlignVertical_Mask;
    if (tall && vertical == Qt::AlignTop) {
        setAlignment((alignment() & ~Qt::AlignVertical_Mask) | Qt::AlignVCenter);
        centredForFace_ = true;
    } else if (!tall && centredForFace_) {
        setAlignment((alignment() & ~Qt::AlignVertical_Mask) | Qt::AlignTop);
        centredForFace_ = false;
    }
}

void Label::SetForeColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void Label::SetBackColor(const QColor& color) {
    backColor_ = color;
    FillBackground(this, color);
}

void Label::SetTransparent() {
    setAutoFillBackground(false);
}

namespace {
void (*g_voicedCaption)(const QString&) = nullptr;
}  // namespace

void SetVoicedCaptionHook(void (*hook)(const QString&)) {
    g_voicedCaption = hook;
}

void Label::SetCaption(const QString& caption) {
    setText(caption);
    if (voiced_ && g_voicedCaption) g_voicedCaption(caption);
}

void Label::keyPressEvent(QKeyEvent* e) {
    if (!HandleKey(this, e)) QLabel::keyPressEvent(e);
}

void Label::focusInEvent(QFocusEvent* e) {
    QLabel::focusInEvent(e);
    if (onFocus && MovedByKeyboard(*e)) onFocus();
}

void Image::keyPressEvent(QKeyEvent* e) {
    if (!HandleKey(this, e)) QWidget::keyPressEvent(e);
}

void Image::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
    if (onFocus && MovedByKeyboard(*e)) onFocus();
}

void Image::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

Image::Image(QWidget* parent, int left, int top, int width, int height) : QWidget(parent) {
    PlaceTwips(this, left, top, width, height);
    setMouseTracking(true);
}

bool Image::LoadPicture(const QString& path) {
    const QPixmap picture = ReadPicture(path);
    if (picture.isNull()) return false;
    SetPicture(picture);
    file_ = path;
    return true;
}

void Image::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    file_.clear();
    update();
}

void Image::ScaleChanged() {
    if (file_.isEmpty()) return;
    const QPixmap sharper = ReadPicture(file_);
    if (!sharper.isNull()) picture_ = sharper;
    update();
}

void Image::SetStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

void Image::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) {
        if (stretch_)
            painter.drawPixmap(rect(), picture_);
        else
            DrawPicture(painter, picture_);
    }
    // The keyboard's place, where there is no mouse pointer to show it.
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 2, Qt::DashLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

Panel::Panel(QWidget* parent, int left, int top, int width, int height) : QWidget(parent) {
    PlaceTwips(this, left, top, width, height);
}

void Panel::SetBackColor(const QColor& color) {
    FillBackground(this, color);
}

TextBox::TextBox(QWidget* parent, int left, int top, int width, int height) : QLineEdit(parent) {
    PlaceTwips(this, left, top, width, height);
    setFont(DesignFont(kPGothic, 9));
}

void CommandButton::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        e->modifiers() == Qt::NoModifier)
        click();
    else
        QPushButton::keyPressEvent(e);
}

CommandButton::CommandButton(QWidget* parent, int left, int top, int width, int height,
                             const QString& caption)
    : QPushButton(caption, parent) {
    PlaceTwips(this, left, top, width, height);
    setFont(DesignFont(kPGothic, 9));
    setAutoDefault(false);
    QObject::connect(this, &QPushButton::clicked, this, [this] {
        if (onClick) onClick();
    });
}

Line::Line(QWidget* parent, int x1, int y1, int x2, int y2, const QColor& color, int widthPixels)
    : QWidget(parent), color_(color), width_(widthPixels) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    MoveEnds(x1, y1, x2, y2);
}

void Line::MoveEnds(int x1, int y1, int x2, int y2) {
    ends_ = QLine(x1, y1, x2, y2);
    const QPoint a(ToPixels(x1), ToPixels(y1));
    const QPoint b(ToPixels(x2), ToPixels(y2));
    const int pad = width_ * Scale();
    const QRect box = QRect(a, b).normalized().adjusted(-pad, -pad, pad + 1, pad + 1);
    setGeometry(box);
    from_ = a - box.topLeft();
    to_ = b - box.topLeft();
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(color_, width_ * Scale(), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from_, to_);
}

Shape::Shape(QWidget* parent, int left, int top, int width, int height) : QWidget(parent) {
    PlaceTwips(this, left, top, width, height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::SetFill(const QColor& color) {
    fill_ = color;
    update();
}

void Shape::SetBorder(const QColor& color, int widthPixels) {
    border_ = color;
    borderWidth_ = widthPixels;
    update();
}

void Shape::SetRounded(bool rounded) {
    rounded_ = rounded;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, rounded_);
    // The border lies inside the shape's rectangle, as the classic inside-solid style draws it.
    const int border = borderWidth_ * Scale();
    const qreal inset = border / 2.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(border > 0 ? QPen(border_, border) : QPen(Qt::NoPen));
    painter.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
    if (rounded_) {
        const qreal radius = std::min(box.width(), box.height()) / 4;
        painter.drawRoundedRect(box, radius, radius);
    } else {
        painter.drawRect(box);
    }
}

}  // namespace ui

#pragma once

#include <functional>
#include <map>

#include <QColor>
#include <QLabel>
#include <QLine>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

namespace ui {

// Mouse state as the game encodes it: Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl,
// 4 Alt, added together.
enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftState { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };
int ButtonCode(Qt::MouseButtons buttons);
int ShiftCode(Qt::KeyboardModifiers modifiers);

using MouseHandler = std::function<void(int button, int shift, int x, int y)>;

// Places a control by its design rectangle in twips, relative to its parent. The control keeps
// the rectangle, so that it can be placed again at another scale.
void PlaceTwips(QWidget* control, int left, int top, int width, int height);

// Places a control again after the scale changed: its design rectangle, its font, and whatever
// else it holds in pixels.
void RescaleControl(QWidget* control, int fromScale, int toScale);

// A control that holds more than its place and font in pixels renews it at a new scale.
class ScaleAware {
  public:
    virtual ~ScaleAware() = default;
    virtual void ScaleChanged() = 0;
};

// Reads the picture game file `name` (see GameFile), recognising its format from the content.
// Where it has sharper variants (Name@2x.ext, Name@3x.ext), the one that suits the scale and the
// screen is read instead. The picture's device-pixel ratio says which variant it is: its
// device-independent size is the picture's size at scale 1. A null picture when nothing could be
// read.
QPixmap ReadPicture(const QString& name);
// Draws a picture read by ReadPicture at its size at the present scale.
void DrawPicture(QPainter& painter, const QPixmap& picture);

// Paints a widget's background in one colour.
void FillBackground(QWidget* widget, const QColor& color);

// The events every clickable control raises. Coordinates are in twips.
class MouseEvents {
  public:
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    // Set by TakeKeyboard: the control gained the keyboard, as the mouse coming over it.
    std::function<void()> onFocus;
    // The wheel turned by `delta` eighths of a degree, positive away from the player (up).
    std::function<void(int delta)> onMouseWheel;

  protected:
    // Return, Enter or Space on a control that takes the keyboard is a click; true when taken.
    bool HandleKey(QWidget* self, QKeyEvent* event);
    void HandlePress(QMouseEvent* event);
    void HandleRelease(QWidget* self, QMouseEvent* event);
    void HandleDoubleClick(QMouseEvent* event);
    void HandleMove(QMouseEvent* event);
    void HandleWheel(QWheelEvent* event);

  private:
    void RaiseMouseDown(QMouseEvent* event);
    bool pressedInside_ = false;
};

// Lets a clickable control be reached with Tab and clicked with Return, Enter or Space.
void TakeKeyboard(QWidget* control, std::function<void()> onFocus = {});

class Label : public QLabel, public MouseEvents {
  public:
    Label(QWidget* parent, int left, int top, int width, int height, const QString& caption = {});
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    // A label whose every new caption is news to be spoken, through the hook below.
    void SetVoiced(bool voiced) { voiced_ = voiced; }
    void SetForeColor(const QColor& color);
    void SetBackColor(const QColor& color);  // also makes the background opaque
    QColor BackColor() const { return backColor_; }
    void SetTransparent();

  protected:
    void mousePressEvent(QMouseEvent* e) override { HandlePress(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { HandleRelease(this, e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { HandleDoubleClick(e); }
    void mouseMoveEvent(QMouseEvent* e) override { HandleMove(e); }
    void wheelEvent(QWheelEvent* e) override { HandleWheel(e); }
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void FitTheFace();

    QColor backColor_;
    bool voiced_ = false;
    bool centredForFace_ = false;
};

// Where a voiced label's new caption goes: self-voicing, which lives above this layer.
void SetVoicedCaptionHook(void (*hook)(const QString& caption));

// A picture box without a frame. Without stretch the picture is drawn at its own size from the
// top left corner; with stretch it fills the control.
class Image : public QWidget, public MouseEvents, public ScaleAware {
  public:
    Image(QWidget* parent, int left, int top, int width, int height);
    // Loads a picture file with ReadPicture. On failure the previous picture stays and false is
    // returned.
    bool LoadPicture(const QString& path);
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }
    void SetStretch(bool stretch);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override { HandlePress(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { HandleRelease(this, e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { HandleDoubleClick(e); }
    void mouseMoveEvent(QMouseEvent* e) override { HandleMove(e); }
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

    void ScaleChanged() override;  // reads the variant that suits the new scale

  private:
    QPixmap picture_;
    QString file_;  // where picture_ came from, when it came from a file
    bool stretch_ = false;
};

// A container whose children move and hide with it.
class Panel : public QWidget {
  public:
    Panel(QWidget* parent, int left, int top, int width, int height);
    void SetBackColor(const QColor& color);
};

class TextBox : public QLineEdit {
  public:
    TextBox(QWidget* parent, int left, int top, int width, int height);
    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }
};

class CommandButton : public QPushButton {
  public:
    CommandButton(QWidget* parent, int left, int top, int width, int height,
                  const QString& caption = {});
    std::function<void()> onClick;

  protected:
    void keyPressEvent(QKeyEvent* e) override;  // Return and Enter click it too
};

// A straight line between two points given in twips relative to the parent.
class Line : public QWidget, public ScaleAware {
  public:
    // The width is in pixels at scale 1.
    Line(QWidget* parent, int x1, int y1, int x2, int y2, const QColor& color, int widthPixels = 1);
    void MoveEnds(int x1, int y1, int x2, int y2);
    void ScaleChanged() override { MoveEnds(ends_.x1(), ends_.y1(), ends_.x2(), ends_.y2()); }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QLine ends_;        // in twips relative to the parent
    QPoint from_, to_;  // in pixels relative to this widget
    QColor color_;
    int width_;
};

// A rectangle (optionally rounded) with an optional fill and border, drawn beneath later
// controls. It takes no mouse input.
class Shape : public QWidget {
  public:
    Shape(QWidget* parent, int left, int top, int width, int height);
    void SetFill(const QColor& color);
    void SetBorder(const QColor& color, int widthPixels);  // pixels at scale 1
    void SetRounded(bool rounded);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QColor fill_;  // invalid: transparent
    QColor border_ = Qt::black;
    int borderWidth_ = 1;
    bool rounded_ = false;
};

// Controls of one kind and name, numbered from 0, like Command1(0) to Command1(6).
template <class Control>
class ControlArray {
  public:
    Control& operator()(int index) const { return *members_.at(index); }
    bool Contains(int index) const { return members_.count(index) != 0; }
    void Add(int index, Control* control) { members_[index] = control; }
    // Visits each member with its index, to wire handlers that receive the index.
    template <class Visit>
    void ForEach(Visit visit) const {
        for (const auto& [index, control] : members_) visit(index, *control);
    }
    int Count() const { return static_cast<int>(members_.size()); }

  private:
    std::map<int, Control*> members_;
};

}  // namespace ui

#include "ui/Form.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWindow>

#include <xcb/xcb.h>

#include "ui/Timer.h"
#include "ui/controls.h"
#include "ui/folders.h"
#include "ui/gametime.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace ui {

namespace {

QList<Form*>& Registry() {
    static QList<Form*> forms;
    return forms;
}

// Screens shown modally, innermost last.
QList<QPointer<Form>>& ModalStack() {
    static QList<QPointer<Form>> stack;
    return stack;
}

QPointer<QWidget> g_backdrop;  // while the game is full screen

// Qt tells the window manager whose transient a window is only when it maps the window; a
// screen already shown is told here, on X11, rather than mapped again and placed anew.
void TellTransientFor(QWidget* screen, QWidget* parent) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    xcb_connection_t* connection = x11->connection();
    const auto window = static_cast<xcb_window_t>(screen->winId());
    if (parent) {
        const auto parentWindow = static_cast<xcb_window_t>(parent->winId());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_TRANSIENT_FOR,
                            XCB_ATOM_WINDOW, 32, 1, &parentWindow);
    } else {
        xcb_delete_property(connection, window, XCB_ATOM_WM_TRANSIENT_FOR);
    }
    xcb_flush(connection);
}

void StandAboveBackdrop(QWidget* screen) {
    if (g_backdrop && screen->windowHandle())
        screen->windowHandle()->setTransientParent(g_backdrop->windowHandle());
}

// Frame sizes are known only once a decorated window has been shown; screens that place
// themselves before their first show use the frame of the last window seen.
QMargins g_lastFrame;

}  // namespace

Form::Form() : QWidget(nullptr) {
    // Every screen has the size its design gives it: a title, a minimize and a close button,
    // and no maximize button to promise otherwise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    setFont(DesignFont(kPGothic, 9));
    Registry().append(this);
}

Form::~Form() {
    Registry().removeAll(this);
}

QList<Form*> Form::LoadedForms() {
    QList<Form*> loaded;
    for (Form* f : Registry())
        if (!f->unloaded_) loaded.append(f);
    return loaded;
}

void Form::SetClientSize(int widthTwips, int heightTwips) {
    clientTwips_ = QSize(widthTwips, heightTwips);
    setFixedSize(ToPixels(widthTwips), ToPixels(heightTwips));
}

QMargins Form::Frame() const {
    if (windowFlags() & Qt::FramelessWindowHint) return {};
    if (isVisible() && windowHandle()) return windowHandle()->frameMargins();
    return g_lastFrame;
}

int Form::Left() const {
    return leftTwips_;
}
int Form::Top() const {
    return topTwips_;
}

int Form::Width() const {
    const QMargins f = Frame();
    return ToTwips(width() + f.left() + f.right());
}

int Form::Height() const {
    const QMargins f = Frame();
    return ToTwips(height() + f.top() + f.bottom());
}

void Form::Move(int leftTwips, int topTwips) {
    centredRaise_.reset();
    leftTwips_ = leftTwips;
    topTwips_ = topTwips;
    move(ToPixels(leftTwips), ToPixels(topTwips));
}

bool Form::FrameNews() const {
    return isVisible() && windowHandle() && windowHandle()->frameMargins() != frame_;
}

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::DeferredDelete) return QWidget::event(event);
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LanguageChange) {
        SetFacesForLanguage(this);
        Form_LanguageChanged();
    }
    // Under X11 the frame comes from the window manager some time after the show, with
    // whatever event follows it: the window moves to where its outer edge belongs.
    if (FrameNews()) {
        frame_ = windowHandle()->frameMargins();
        if (!frame_.isNull()) g_lastFrame = frame_;
        Form_OuterSizeChanged();
    }
    return handled;
}

void Form::Form_OuterSizeChanged() {
    if (centredRaise_)
        CenterForm(*this, *centredRaise_);
    else
        Move(leftTwips_, topTwips_);
}

void Form::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A frame that arrived moves the outer edge, not the window: the place is set again.
    if (FrameNews()) return;
    // Keep the exact design twips unless the window really went somewhere else.
    const QPoint at = frameGeometry().topLeft();
    if (at == QPoint(ToPixels(leftTwips_), ToPixels(topTwips_))) return;
    if (at.x() != ToPixels(leftTwips_)) leftTwips_ = ToTwips(at.x());
    if (at.y() != ToPixels(topTwips_)) topTwips_ = ToTwips(at.y());
    centredRaise_.reset();
}

void Form::SetBackColor(const QColor& color) {
    FillBackground(this, color);
}

void Form::SetPicture(const QString& file) {
    pictureFile_ = file;
    picture_ = ReadPicture(file);
    update();
}

void Form::SetBorderless() {
    setWindowFlag(Qt::FramelessWindowHint, true);
}

void Form::SetIcon(const QString& file) {
    setWindowIcon(QIcon(GameFile(file)));
}

void Form::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!picture_.isNull()) {
        QPainter painter(this);
        DrawPicture(painter, picture_);
    }
}

void Form::showEvent(QShowEvent* event) {
    StandAboveBackdrop(this);
    QWidget::showEvent(event);
    if (windowHandle() && !windowHandle()->frameMargins().isNull())
        g_lastFrame = windowHandle()->frameMargins();
}

void Form::Show() {
    show();
    raise();
    activateWindow();
}

// Not Qt's window modality: Qt drops a close request to a blocked window without a word, and
// the player who clicks the close box of the screen behind must hear why nothing happens.
// Application::notify holds the input back instead.
void Form::ShowModal() {
    QPointer<Form> self(this);
    QPointer<QWidget> before(QApplication::activeWindow());
    ModalStack().append(self);
    Show();
    WaitUntil([&] { return !self || self->unloaded_ || !self->isVisible(); },
              QStringLiteral("modal window 「%1」").arg(windowTitle()));
    ModalStack().removeAll(self);
    ModalStack().removeAll(nullptr);
    // The keyboard goes back to the screen it came from, unless that was the full-screen
    // backdrop, which never takes it.
    if (before && before->isVisible() &&
        !before->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus))
        before->activateWindow();
}

Form* Form::ModalForm() {
    const QList<QPointer<Form>>& stack = ModalStack();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        if (*it && !(*it)->unloaded_ && (*it)->isVisible()) return *it;
    return nullptr;
}

void Form::Attract() {
    QApplication::beep();
    Show();
}

void Form::Unload() {
    if (unloaded_) return;
    int cancel = 0;
    Form_QueryUnload(cancel, kCloseFromCode);
    Destroy();
}

void Form::Destroy() {
    unloaded_ = true;
    for (Timer* timer : findChildren<Timer*>()) timer->SetEnabled(false);
    hide();
    // Deleted once the handler that unloaded it has returned.
    deleteLater();
}

namespace {
// The player closed the last window and no game code is waiting: nothing is left to run.
void EndProgramIfIdle() {
    if (RunningWaits().isEmpty() && Form::LoadedForms().isEmpty()) EndProgram();
}
}  // namespace

void CenterForm(Form& form, int raiseTwips) {
    form.Move(CenteredOffset(ScreenWidth(), form.Width()),
              CenteredOffset(ScreenHeight(), form.Height()) - raiseTwips);
    form.centredRaise_ = raiseTwips;
}

void Form::Rescale(int fromScale, int toScale) {
    setFixedSize(ToPixels(clientTwips_.width()), ToPixels(clientTwips_.height()));
    RescaleControl(this, fromScale, toScale);
    // A window of this screen's is a screen of its own, rescaled once, by itself.
    for (QWidget* control : findChildren<QWidget*>())
        if (control->window() == this) RescaleControl(control, fromScale, toScale);
    if (!pictureFile_.isEmpty()) picture_ = ReadPicture(pictureFile_);
    update();
}

bool IsFullScreen() {
    return !g_backdrop.isNull();
}

void SetFullScreen(bool on) {
    if (on == IsFullScreen()) return;
    if (on) {
        // It never takes the keyboard from the game's screens.
        auto* backdrop = new QWidget(
            nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        backdrop->setAttribute(Qt::WA_ShowWithoutActivating);
        backdrop->setWindowTitle(QStringLiteral("Velmora 3rd STORY"));
        FillBackground(backdrop, Qt::black);
        backdrop->setAttribute(Qt::WA_DeleteOnClose, false);
        // Not showFullScreen(), which would ask for the keyboard too.
        backdrop->setWindowState(Qt::WindowFullScreen);
        backdrop->show();
        g_backdrop = backdrop;
    }
    for (Form* form : Form::LoadedForms()) {
        if (!form->windowHandle()) continue;
        form->windowHandle()->setTransientParent(on ? g_backdrop->windowHandle() : nullptr);
        if (form->isVisible()) TellTransientFor(form, on ? g_backdrop.data() : nullptr);
    }
    if (!on) delete g_backdrop.data();
}

void SetScale(int scale) {
    const int from = Scale();
    const int to = std::clamp(scale, 1, kMaxScale);
    if (to == from) return;
    detail::StoreScale(to);
    const QList<Form*> forms = Form::LoadedForms();
    for (Form* form : forms) form->Rescale(from, to);
    // Placed after every screen has its new size: one screen's place may follow another's.
    for (Form* form : forms) form->Form_OuterSizeChanged();
}

bool Form::RequestClose(int reason) {
    if (unloaded_) return true;
    int cancel = 0;
    Form_QueryUnload(cancel, reason);
    if (cancel != 0 || unloaded_) return cancel == 0;
    Destroy();
    EndProgramIfIdle();
    return true;
}

void Form::closeEvent(QCloseEvent* event) {
    event->ignore();
    Form* modal = ModalForm();
    if (modal && modal != this) {
        modal->Attract();
        return;
    }
    RequestClose(kCloseFromControlMenu);
}

void Form::keyPressEvent(QKeyEvent* event) {
    int shift = ShiftCode(event->modifiers());
    // X11 reports a modifier key's own press without its modifier bit.
    if (event->key() == Qt::Key_Shift) shift |= kShiftMask;
    if (event->key() == Qt::Key_Control) shift |= kCtrlMask;
    if (event->key() == Qt::Key_Alt) shift |= kAltMask;
    Form_KeyDown(event->key(), shift);
    if (const int keyAscii = KeyAscii(*event); keyAscii != 0) Form_KeyPress(keyAscii);
}

bool Form::PreviewKey(const QKeyEvent& event) {
    return Form_KeyPreview(event.key(), KeyAscii(event));
}

int KeyAscii(const QKeyEvent& event) {
    constexpr int kBackspace = 8, kLineFeed = 10, kCarriageReturn = 13, kEscape = 27;
    constexpr int kDelete = 127;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) return 0;
    const int key = event.key();
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return ctrl ? kLineFeed : kCarriageReturn;
        case Qt::Key_Backspace:
            return ctrl ? kDelete : kBackspace;
        case Qt::Key_Escape:
            return kEscape;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 0;
        default:
            break;
    }
    // By the key, not by its text: not every platform spells Ctrl+A as the character 1.
    if (ctrl) return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : 0;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint() ? text.at(0).unicode() : 0;
}

void Form::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    Form_MouseMove(ButtonCode(event->buttons()), ShiftCode(event->modifiers()), ToTwips(p.x()),
                   ToTwips(p.y()));
}

}  // namespace ui

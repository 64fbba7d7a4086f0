#pragma once

#include <QKeyEvent>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

namespace ui {

// Close-request reasons a form's QueryUnload receives.
enum CloseReason {
    kCloseFromControlMenu = 0,  // the window's close box or system menu
    kCloseFromCode = 1,         // an unload made by the game's own code
};
// A signal or the end of the desktop session closes no screen: see KeepBeforeEndOnRequest.

// A screen: a top-level window with design values in twips and the classic form life cycle.
// Screens derive from it, build their controls in the constructor and are reached through a
// DefaultInstance, which loads them on first use.
class Form : public QWidget {
  public:
    Form();
    ~Form() override;

    // Window geometry in twips. Left, Top, Width and Height include the window frame.
    void SetClientSize(int widthTwips, int heightTwips);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void Move(int leftTwips, int topTwips);

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    void SetBackColor(const QColor& color);
    // A picture file (see ReadPicture) drawn from the top left corner, beneath the controls.
    void SetPicture(const QString& file);
    void SetBorderless();
    void SetIcon(const QString& file);

    void Show();
    // Shows the form modally: returns once it is hidden or unloaded. Timers keep running, and
    // the player's input to the other screens is held back (see ModalForm).
    void ShowModal();
    // The screen shown modally that takes all of the player's input, or none.
    static Form* ModalForm();
    // How a screen answers a close or a click it refuses: a beep, and it comes to the front.
    void Attract();
    void Hide() { hide(); }
    // Runs QueryUnload with reason 1 and destroys the form; the next use loads it afresh.
    void Unload();
    bool IsUnloaded() const { return unloaded_; }

    // A close request from outside the game's code; returns false when the form refused it.
    bool RequestClose(int reason);
    // Whether Esc means something here, such as closing the window; else it may leave full
    // screen.
    virtual bool WantsEscape() const { return false; }
    // A key for one of the form's controls: the form may take it first (Form_KeyPreview).
    bool PreviewKey(const QKeyEvent& event);

    std::function<void()> onLanguageChange;

    // Loaded forms, oldest first.
    static QList<Form*> LoadedForms();

  protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& cancel, int reason) {
        Q_UNUSED(cancel);
        Q_UNUSED(reason);
    }
    // The window's outer size changed: the window system told its frame, which it may do after
    // the show, or the scale changed. A screen that places itself by its outer size places
    // itself again. By default a centred screen centres itself again, and any other keeps its
    // place in twips.
    virtual void Form_OuterSizeChanged();
    // The player's language changed (ui::SwitchLanguage): a screen shows its words again, by
    // itself or through onLanguageChange, which the code that puts words on it sets.
    virtual void Form_LanguageChanged() {
        if (onLanguageChange) onLanguageChange();
    }
    // A character key (see KeyAscii) pressed while the form itself has the keyboard.
    virtual void Form_KeyPress(int keyAscii) { Q_UNUSED(keyAscii); }
    // Sees a key before the control with the keyboard does; true when the form took it.
    // `keyAscii` is its character code, 0 for a key that produces none.
    virtual bool Form_KeyPreview(int keyCode, int keyAscii) {
        Q_UNUSED(keyCode);
        Q_UNUSED(keyAscii);
        return false;
    }
    virtual void Form_KeyDown(int keyCode, int shift) {
        Q_UNUSED(keyCode);
        Q_UNUSED(shift);
    }
    virtual void Form_MouseMove(int button, int shift, int x, int y) {
        Q_UNUSED(button);
        Q_UNUSED(shift);
        Q_UNUSED(x);
        Q_UNUSED(y);
    }

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    template <class F>
    friend class DefaultInstance;
    friend void CenterForm(Form& form, int raiseTwips);
    friend void SetScale(int scale);
    void RunLoad() { Form_Load(); }
    void Rescale(int fromScale, int toScale);
    void Destroy();
    QMargins Frame() const;

    bool FrameNews() const;

    QPixmap picture_;
    QString pictureFile_;
    QMargins frame_;  // as last told by the window system
    QSize clientTwips_;
    int leftTwips_ = 0;
    int topTwips_ = 0;
    std::optional<int> centredRaise_;  // set while the screen stands where CenterForm put it
    bool unloaded_ = false;
};

// The one instance of a screen that the game's code names, e.g. CampusScreen->Show().
template <class F>
class DefaultInstance {
  public:
    F& Get() {
        if (!form_ || form_->IsUnloaded()) {
            form_ = new F();
            form_->RunLoad();
        }
        return *form_;
    }
    F* operator->() { return &Get(); }
    F& operator*() { return Get(); }
    bool IsLoaded() const { return form_ && !form_->IsUnloaded(); }
    void Unload() {
        if (IsLoaded()) form_->Unload();
    }

  private:
    QPointer<F> form_;
};

// The character code a key produces, as the classic event model hands it to KeyPress: the
// character typed, 13 for Return and Enter, 8 for Backspace, 27 for Esc, 1 to 26 for Ctrl with
// a letter. 0 for a key that produces none: arrows, function keys, modifiers alone, Alt or Meta
// chords, and Tab, which moves the keyboard.
int KeyAscii(const QKeyEvent& event);

// Centres a window on the screen by its outer size, raised by `raiseTwips` above the centre.
void CenterForm(Form& form, int raiseTwips = 0);

// Full screen: a black backdrop covers the screen, and every screen stands centred above it,
// transient for it, so that the window manager keeps them in front. Choosing the scale that
// fits is the caller's part.
void SetFullScreen(bool on);
bool IsFullScreen();

// Draws the whole game at a whole-number scale from 1 to kMaxScale (ui/twips.h): every loaded
// screen is laid out again, with its fonts and pictures, and placed again.
void SetScale(int scale);

}  // namespace ui

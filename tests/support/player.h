#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <ostream>

#include <QString>
#include <QStringList>
#include <QWidget>

#include "ui/Form.h"
#include "ui/gametime.h"

// Readable failures: GoogleTest prints a QString as its text, not as a byte dump.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << '"' << text.toStdString() << '"';
}

// Input as a person gives it. Each returns false when a modal window holds the input back.
namespace driver {
bool Click(QWidget* control, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void DoubleClick(QWidget* control, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void MoveMouse(QWidget* control, QPoint at = QPoint(-1, -1));
void TypeKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Turns the wheel over a control by `notches`, positive away from the player (up).
void TurnWheel(QWidget* control, int notches);
// Types text as a Japanese input method does: the converted text is committed to the box.
void TypeJapanese(QWidget* box, const QString& text);
// A key where a person's goes: to the control with the keyboard, else its window, else the
// game's window in front, as he would bring it to the front first.
void Press(Qt::Key key);
}  // namespace driver

template <class F>
std::function<bool()> Showing(ui::DefaultInstance<F>& screen) {
    return [&screen] { return screen.IsLoaded() && screen->isVisible(); };
}

// By when a scripted step must have happened, in game time: so many seconds after the step
// before it, or before the campus clock passes a minute (4:35 PM is minute 5).
struct Deadline {
    ui::GameMs ms = ui::kNever;
    int minute = -1;
};
inline Deadline Seconds(double s) {
    return {static_cast<ui::GameMs>(s * 1000), -1};
}
inline Deadline ByMinute(int minute) {
    return {ui::kNever, minute};
}

// What a message box showed before the player answered it.
struct MessageBoxSeen {
    QString title;
    QString text;
    QStringList buttons;
};

// Plays the game in game time, as a person at the screen would: it clicks through every line
// that waits for a click and performs scripted steps once their moment has come. It acts only
// when the program is idle, before the clock moves on, so a step may start a scene that waits.
// A step whose moment does not come by its deadline fails the test at once, naming the step,
// the waits running and the state of the game.
class Player {
  public:
    explicit Player(uint32_t seed = 1);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Once `when` holds, runs `act`; steps run in the order they were given.
    Player& Then(const QString& what, std::function<bool()> when, std::function<void()> act,
                 Deadline by = Seconds(300));
    Player& Now(std::function<void()> act) {
        return Then(
            QStringLiteral("now"), [] { return true; }, std::move(act));
    }
    // Runs whenever the game is idle and no step is ready, as a player with a plan of his own
    // would (the balance benchmark's strategies); `act` returns true when it did something.
    Player& Always(std::function<bool()> act) {
        always_ = std::move(act);
        return *this;
    }
    // Answers the next message box with a button (QMessageBox::Yes, No, Cancel or Ok).
    Player& Answer(int standardButton, Deadline by = Seconds(300));
    // Runs the game until `done` holds and every step has run.
    void Run(const QString& what, const std::function<bool()>& done, Deadline by);
    // Lets game time pass while the game goes on.
    void Wait(double seconds);

    bool autoClick = true;
    QStringList clickedThrough;  // the lines clicked past, in order
    QList<MessageBoxSeen> boxes;

  private:
    struct Step {
        QString what;
        std::function<bool()> when;
        std::function<void()> act;
        Deadline by;
        ui::GameMs since = ui::kNever;
    };
    bool OnIdle(ui::GameMs nextDue);
    bool Act(ui::GameMs nextDue);  // OnIdle's work, inside an event
    bool ClickThrough();
    void CheckDeadline(const QString& what, const Deadline& by, ui::GameMs since,
                       ui::GameMs nextDue);

    std::deque<Step> steps_;
    std::function<bool()> always_;
};

// Ends the test at once with `reason`, the waits running and the state of the game.
[[noreturn]] void FailTest(const QString& reason);

// The offscreen platform warns of every window operation it cannot do, such as raise(); this
// keeps those warnings off the terminal.
void QuietOffscreenPlatform();

// Waits outside the game's clock, for the window system or the accessibility bus, until `done`
// holds: each turn sleeps until an event comes. The limit of minutes only guards against a hang;
// returns whether `done` came.
bool WaitForEvents(const std::function<bool()>& done);

// Every word a player or a screen reader meets on the open screens and message boxes, one entry
// per control.
QStringList ShownWords();
// Japanese left in English words: all but the names he typed and the 日本語 choice.
QStringList JapaneseIn(const QStringList& words);

// Copies the built run-time folder into the test's working folder.
void CopyGameData();

// A game on the real screens: the game data in the working folder and a fresh record for the
// player 山田 太郎. The end closes every screen and the music.
void BeginTestGame();
void EndTestGame();

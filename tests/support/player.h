#pragma once

#include <deque>
#include <functional>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// Plays the game from the event loop, as a person at the screen would: it clicks through lines
// that wait for a click and performs scripted steps once their moment has come. Its polls run
// nested inside waiting scenes, so a step may itself start a scene that waits.
class Player : public QObject {
  public:
    Player();

    // Click the text whenever the campus screen asks for a click.
    void SetAutoClick(bool on) { autoClick_ = on; }
    // Runs `act` once `when` holds, after every step queued before it.
    void Then(std::function<bool()> when, std::function<void()> act);
    void Now(std::function<void()> act) {
        Then([] { return true; }, std::move(act));
    }
    bool Done() const { return steps_.empty() && running_ == 0; }

    // Texts the player clicked through, in order.
    QStringList clickedThrough;

  private:
    void Poll();

    struct Step {
        std::function<bool()> when;
        std::function<void()> act;
    };
    std::deque<Step> steps_;
    QTimer timer_;
    bool autoClick_ = true;
    int running_ = 0;
};

// Copies the built run-time folder into the test's working folder.
void CopyGameData();

// A game on the real screens: the game data in the working folder, a fresh record for the
// player 山田 太郎, and one game minute in 120 ms. The end closes every screen and the music.
void BeginTestGame();
void EndTestGame();

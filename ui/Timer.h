#pragma once

#include <functional>

#include <QObject>
#include <QTimer>

#include "ui/gametime.h"

namespace ui {

// A timer whose handler may wait in a nested event loop and still receive its own further
// ticks (and every other timer's). QTimer never re-enters a timer whose slot is running, so the
// timeout only posts the call; the handler runs from that posted call. Under virtual time the
// ticks come from the game clock's schedule instead of a QTimer.
class Timer : public QObject {
    Q_OBJECT

  public:
    explicit Timer(QObject* owner, int intervalMs = 0, bool enabled = false);
    ~Timer() override;

    int Interval() const { return interval_; }
    void SetInterval(int ms);  // restarts the countdown; 0 means no ticks
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> onTimer;

    // Holds every timer where it is, or lets them all go on: a tick that was due in 20 seconds
    // when the game paused is due 20 seconds after it goes on. Timers started meanwhile wait too.
    static void HoldAll(bool hold);

  private:
    void Hold();
    void Release();
    void Restart();
    void Stop();
    void ScheduleVirtualTick(GameMs due);
    void PostTick();
    void Fire();

    QTimer timer_;
    gametime::Entry nextTick_;
    bool scheduled_ = false;
    GameMs heldRemaining_ = -1;  // while held: how long the next tick had to go
    int interval_ = 0;
    bool enabled_ = false;
};

}  // namespace ui

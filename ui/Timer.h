#pragma once

#include <functional>

#include <QObject>
#include <QTimer>

namespace ui {

// A timer whose handler may wait in a nested event loop and still receive its own further
// ticks (and every other timer's). QTimer never re-enters a timer whose slot is running, so the
// timeout only posts the call; the handler runs from that posted call.
class Timer : public QObject {
    Q_OBJECT

  public:
    explicit Timer(QObject* owner, int intervalMs = 0, bool enabled = false);

    int Interval() const { return interval_; }
    void SetInterval(int ms);  // restarts the countdown; 0 means no ticks
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> onTimer;

  private:
    void Restart();
    void Fire();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};

// Multiplies every timer interval and Sleep; only tests change it, to compress game time.
double TimeScale();
namespace testing {
void SetTimeScale(double scale);
}

}  // namespace ui

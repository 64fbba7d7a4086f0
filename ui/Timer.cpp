#include "ui/Timer.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {
double g_timeScale = 1.0;
}

double TimeScale() {
    return g_timeScale;
}

void testing::SetTimeScale(double scale) {
    g_timeScale = scale;
}

Timer::Timer(QObject* owner, int intervalMs, bool enabled)
    : QObject(owner), interval_(intervalMs), enabled_(enabled) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { Fire(); }, Qt::QueuedConnection);
    });
    Restart();
}

void Timer::SetInterval(int ms) {
    interval_ = ms;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::Restart() {
    timer_.stop();
    if (enabled_ && interval_ > 0) {
        const double scaled = std::max(1.0, std::round(interval_ * g_timeScale));
        timer_.start(static_cast<int>(scaled));
    }
}

void Timer::Fire() {
    // A tick posted just before the timer was switched off is dropped.
    if (enabled_ && interval_ > 0 && onTimer) onTimer();
}

}  // namespace ui

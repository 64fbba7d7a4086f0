#include "ui/Timer.h"

namespace ui {

Timer::Timer(QObject* owner, int intervalMs, bool enabled)
    : QObject(owner), interval_(intervalMs), enabled_(enabled) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { PostTick(); });
    Restart();
}

Timer::~Timer() {
    Stop();
}

void Timer::SetInterval(int ms) {
    interval_ = ms;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::Stop() {
    timer_.stop();
    if (scheduled_) gametime::Cancel(nextTick_);
    scheduled_ = false;
}

void Timer::Restart() {
    Stop();
    if (!enabled_ || interval_ <= 0) return;
    if (IsVirtualTime())
        ScheduleVirtualTick(NowMs() + interval_);
    else
        timer_.start(interval_);
}

void Timer::ScheduleVirtualTick(GameMs due) {
    nextTick_ = gametime::Schedule(due, [this, due] {
        scheduled_ = false;
        // Like a QTimer, a late tick keeps the rhythm and drops the ticks it missed.
        GameMs next = due + interval_;
        while (next <= NowMs()) next += interval_;
        ScheduleVirtualTick(next);
        PostTick();
    });
    scheduled_ = true;
}

void Timer::PostTick() {
    QMetaObject::invokeMethod(
        this, [this] { Fire(); }, Qt::QueuedConnection);
}

void Timer::Fire() {
    // A tick posted just before the timer was switched off is dropped.
    if (enabled_ && interval_ > 0 && onTimer) onTimer();
}

}  // namespace ui

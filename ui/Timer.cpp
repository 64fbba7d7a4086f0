#include "ui/Timer.h"

#include <algorithm>

#include <QList>

namespace ui {

namespace {
QList<Timer*>& AllTimers() {
    static QList<Timer*> timers;
    return timers;
}
bool g_held = false;
}  // namespace

Timer::Timer(QObject* owner, int intervalMs, bool enabled)
    : QObject(owner), interval_(intervalMs), enabled_(enabled) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
        // The first tick after a hold came early by design; the rhythm is the interval again.
        if (timer_.interval() != interval_) timer_.setInterval(interval_);
        PostTick();
    });
    AllTimers().append(this);
    Restart();
}

Timer::~Timer() {
    AllTimers().removeAll(this);
    Stop();
}

void Timer::HoldAll(bool hold) {
    if (hold == g_held) return;
    g_held = hold;
    for (Timer* timer : AllTimers()) hold ? timer->Hold() : timer->Release();
}

void Timer::Hold() {
    if (!timer_.isActive() && !scheduled_) return;
    heldRemaining_ = IsVirtualTime() ? nextTick_.due - NowMs() : timer_.remainingTime();
    Stop();
}

void Timer::Release() {
    const GameMs remaining = std::max<GameMs>(heldRemaining_, 0);
    const bool wasRunning = heldRemaining_ >= 0;
    heldRemaining_ = -1;
    if (!wasRunning || !enabled_ || interval_ <= 0) return;
    if (IsVirtualTime())
        ScheduleVirtualTick(NowMs() + remaining);
    else
        timer_.start(static_cast<int>(remaining));
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
    heldRemaining_ = -1;
    if (!enabled_ || interval_ <= 0) return;
    if (g_held) {
        heldRemaining_ = interval_;
        return;
    }
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

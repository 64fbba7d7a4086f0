#include "ui/gametime.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>

#include <QCoreApplication>
#include <QElapsedTimer>

namespace ui {

namespace {

struct Clock {
    bool virtualTime = false;
    GameMs virtualNow = 0;
    QElapsedTimer real;
    uint64_t nextOrder = 0;
    uint64_t eventsDelivered = 0;
    std::map<std::pair<GameMs, uint64_t>, std::function<void()>> schedule;
    QStringList waits;
    std::function<bool(GameMs)> onIdle;
    std::function<void(const QString&)> onStall;

    Clock() { real.start(); }
};

Clock& TheClock() {
    static Clock clock;
    return clock;
}

struct WaitName {
    explicit WaitName(const QString& name) { TheClock().waits.append(name); }
    ~WaitName() { TheClock().waits.removeLast(); }
};

// Delivers what is pending now; returns whether anything was.
bool DeliverPending() {
    Clock& c = TheClock();
    const uint64_t before = c.eventsDelivered;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return c.eventsDelivered != before;
}

// Moves the clock to the earliest timer and fires it; returns false when there is none.
bool FireNextTimer() {
    Clock& c = TheClock();
    if (c.schedule.empty()) return false;
    auto first = c.schedule.begin();
    c.virtualNow = std::max(c.virtualNow, first->first.first);
    std::function<void()> fire = std::move(first->second);
    c.schedule.erase(first);
    fire();
    return true;
}

void Stall(const QString& reason) {
    Clock& c = TheClock();
    if (c.onStall) c.onStall(reason);
    std::fprintf(stderr, "velmora3: %s\n", reason.toLocal8Bit().constData());
    std::abort();
}

}  // namespace

GameMs NowMs() {
    const Clock& c = TheClock();
    return c.virtualTime ? c.virtualNow : c.real.elapsed();
}

bool IsVirtualTime() {
    return TheClock().virtualTime;
}

QStringList RunningWaits() {
    return TheClock().waits;
}

void testing::UseVirtualTime() {
    TheClock().virtualTime = true;
}

void testing::SetIdleHandler(std::function<bool(GameMs)> handler) {
    TheClock().onIdle = std::move(handler);
}

void testing::SetStallHandler(std::function<void(const QString&)> handler) {
    TheClock().onStall = std::move(handler);
}

gametime::Entry gametime::Schedule(GameMs due, std::function<void()> fire) {
    Clock& c = TheClock();
    const Entry entry{due, c.nextOrder++};
    c.schedule.emplace(std::make_pair(entry.due, entry.order), std::move(fire));
    return entry;
}

void gametime::Cancel(const Entry& entry) {
    TheClock().schedule.erase({entry.due, entry.order});
}

std::vector<gametime::Entry> gametime::Scheduled() {
    std::vector<Entry> entries;
    for (const auto& [key, fire] : TheClock().schedule) entries.push_back({key.first, key.second});
    return entries;
}

void gametime::RunUntil(const std::function<bool()>& done, const QString& waitName) {
    Clock& c = TheClock();
    WaitName name(waitName);
    if (!c.virtualTime) {
        while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return;
    }
    while (!done()) {
        if (DeliverPending()) continue;
        const GameMs nextDue = c.schedule.empty() ? kNever : c.schedule.begin()->first.first;
        if (c.onIdle && c.onIdle(nextDue)) continue;
        if (!FireNextTimer())
            Stall(QStringLiteral("nothing is left to happen while waiting in %1")
                      .arg(c.waits.join(QStringLiteral(" > "))));
    }
}

void gametime::Advance(GameMs ms) {
    TheClock().virtualNow += std::max<GameMs>(0, ms);
}

void gametime::CountEvent() {
    ++TheClock().eventsDelivered;
}

}  // namespace ui

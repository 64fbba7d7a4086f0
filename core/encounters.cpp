#include "core/encounters.h"

#include <array>

#include "core/GameState.h"

namespace {

struct EncounterWindow {
    int first, last;
    std::array<int, kLocationCount + 1> heroineAt;  // by LocationId; 0 nobody
};

constexpr EncounterWindow kTimetable[] = {
    {3, 4, {0, 2, 1, 0, 0, 0, 0, 0}},   {6, 8, {0, 2, 1, 0, 0, 0, 6, 5}},
    {11, 13, {0, 2, 1, 0, 3, 4, 6, 5}}, {16, 18, {0, 0, 2, 3, 4, 0, 6, 5}},
    {21, 23, {0, 5, 6, 4, 0, 3, 1, 0}}, {26, 28, {0, 0, 0, 4, 0, 0, 0, 3}},
};

constexpr int kClassroom = 2;
constexpr int kWaitressHeroine = 2;

const EncounterWindow* WindowAt(int minute) {
    for (const auto& window : kTimetable)
        if (minute >= window.first && minute <= window.last) return &window;
    return nullptr;
}

}  // namespace

int HeroineAt(int minute, int location) {
    const EncounterWindow* window = WindowAt(minute);
    if (!window || location < 1 || location > kLocationCount) return 0;
    return window->heroineAt[static_cast<size_t>(location)];
}

bool InEncounterWindow(int minute) {
    return WindowAt(minute) != nullptr;
}

bool IsWindowStart(int minute) {
    for (size_t i = 1; i < std::size(kTimetable); ++i)
        if (kTimetable[i].first == minute) return true;
    return false;
}

QString HeroinePictureCode(int location, int heroine, bool onArrival) {
    // Heroine 2 in the classroom has two pictures of her own, for coming and for being found.
    const QString variant = location == kClassroom && heroine == kWaitressHeroine
                                ? (onArrival ? QStringLiteral("A") : QStringLiteral("B"))
                                : QStringLiteral("C");
    return QStringLiteral("C3") + QString::number(location) + QString::number(heroine) + variant;
}

QString ConfessionPictureCode(int heroine) {
    return QStringLiteral("C38") + QString::number(heroine) + QStringLiteral("C");
}

QString ConversationCode(int location, int heroine, bool onArrival) {
    return QString::number(location) + QString::number(heroine) +
           (onArrival ? QStringLiteral("A") : QStringLiteral("B"));
}

int HeroineOfConversation(const QString& code) {
    return code.mid(1, 1).toInt();
}

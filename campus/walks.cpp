#include "campus/walks.h"

#include "campus/CampusScreen.h"
#include "campus/meetings.h"
#include "campus/presenter.h"
#include "core/GameState.h"
#include "core/encounters.h"
#include "core/places.h"

namespace {
// A walk arriving at 4:58 PM or later may well miss the gate.
constexpr int kLateArrivalMinute = 28;
}  // namespace

void StartWalk(int index) {
    GameRecord& g = GameState;
    g.destination = static_cast<int16_t>(index + 1);
    g.phase = Phase::Walking;
    UpdateTravelButtons();
    const int minutes = WalkingMinutes(g.currentLocation, g.destination);
    g.arrivalMinute = static_cast<int16_t>(g.elapsedMinutes + minutes);
    CampusScreen->SetCaption(QStringLiteral("【移動中】 -Velmora 3rd STORY-"));

    const QString place = CampusScreen->travelButtons(index).text();
    const QString text =
        g.arrivalMinute >= kLateArrivalMinute
            ? place +
                  QStringLiteral("に向かって歩きだしたけど、はたして閉門時刻に間に合うだろうか。")
            : place + QStringLiteral("に向かって歩きだした。あそこまでは") +
                  QString::number(minutes) + QStringLiteral("分くらいかかる。");
    ShowLine(QStringLiteral("C300B"), text, QString());
}

void ArriveAtDestination() {
    GameRecord& g = GameState;
    g.currentLocation = g.destination;
    CampusScreen->SetCaption(
        QString::fromUtf8(kLocations[static_cast<size_t>(g.currentLocation)].arrivalCaption));
    if (InEncounterWindow(g.elapsedMinutes))
        MeetOnArrival();
    else
        ShowNobodyHere();
}

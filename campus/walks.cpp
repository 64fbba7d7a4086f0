#include "campus/walks.h"

#include "campus/CampusScreen.h"
#include "campus/meetings.h"
#include "campus/presenter.h"
#include "core/GameState.h"
#include "core/encounters.h"
#include "core/places.h"
#include "ui/language.h"

namespace {
// A walk arriving at 4:58 PM or later may well miss the gate.
constexpr int kLateArrivalMinute = 28;

// The places as a line names them: the Japanese as on the buttons, 校　庭 spaced out too.
struct PlaceInLine {
    const char* source;
    const char* comment;
};
constexpr PlaceInLine kPlacesInLines[] = {
    {"", ""},
    QT_TRANSLATE_NOOP3("Places", "校舎Ａ", "in a line"),
    QT_TRANSLATE_NOOP3("Places", "校舎Ｂ", "in a line"),
    QT_TRANSLATE_NOOP3("Places", "校　庭", "in a line"),
    QT_TRANSLATE_NOOP3("Places", "体育館", "in a line"),
    QT_TRANSLATE_NOOP3("Places", "プール", "in a line"),
    QT_TRANSLATE_NOOP3("Places", "コート", "in a line"),
    QT_TRANSLATE_NOOP3("Places", "自然園", "in a line"),
};
}  // namespace

void StartWalk(int index) {
    GameRecord& g = GameState;
    g.destination = static_cast<int16_t>(index + 1);
    g.phase = Phase::Walking;
    UpdateTravelButtons();
    const int minutes = WalkingMinutes(g.currentLocation, g.destination);
    g.arrivalMinute = static_cast<int16_t>(g.elapsedMinutes + minutes);
    CampusScreen->SetCaption(WalkingCaption(ui::CurrentLanguage()));
    ShowLine(QStringLiteral("C300B"), WalkingLine(ui::CurrentLanguage()), QString());
}

QString WalkingCaption(ui::Language language) {
    return ui::TextIn(language, "Campus",
                      QT_TRANSLATE_NOOP("Campus", "【移動中】 -Velmora 3rd STORY-"));
}

QString WalkingLine(ui::Language language) {
    const GameRecord& g = GameState;
    const PlaceInLine& where = kPlacesInLines[static_cast<size_t>(g.destination)];
    const QString place = ui::TextIn(language, "Places", where.source, where.comment);
    const int minutes = WalkingMinutes(g.currentLocation, g.destination);
    if (g.arrivalMinute >= kLateArrivalMinute)
        return ui::TextIn(language, "Campus",
                          QT_TRANSLATE_NOOP("Campus",
                                            "%1に向かって歩きだしたけど、"
                                            "はたして閉門時刻に間に合うだろうか。"))
            .arg(place);
    return ui::TextIn(language, "Campus",
                      QT_TRANSLATE_NOOP("Campus",
                                        "%1に向かって歩きだした。あそこまでは"
                                        "%2分くらいかかる。"))
        .arg(place)
        .arg(minutes);
}

void ArriveAtDestination() {
    GameRecord& g = GameState;
    g.currentLocation = g.destination;
    CampusScreen->SetCaption(PlaceArrivalCaption(g.currentLocation));
    if (InEncounterWindow(g.elapsedMinutes))
        MeetOnArrival();
    else
        ShowNobodyHere();
}

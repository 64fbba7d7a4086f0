#pragma once

#include <array>

#include <QCoreApplication>
#include <QString>

// The seven campus places (LocationId 1 to 7) and the paths between them.
struct Location {
    const char* buttonCaption;   // written on the travel button, in Japanese
    const char* arrivalCaption;  // the window caption on arrival, in Japanese
};

inline constexpr std::array<Location, 8> kLocations = {{
    {"", ""},
    {QT_TRANSLATE_NOOP("Places", "校舎Ａ"),
     QT_TRANSLATE_NOOP("Places", "【校舎Ａ：屋上】 -Velmora 3rd STORY-")},
    {QT_TRANSLATE_NOOP("Places", "校舎Ｂ"),
     QT_TRANSLATE_NOOP("Places", "【校舎Ｂ：教室】 -Velmora 3rd STORY-")},
    {QT_TRANSLATE_NOOP("Places", "校　庭"),
     QT_TRANSLATE_NOOP("Places", "【校庭】 -Velmora 3rd STORY-")},
    {QT_TRANSLATE_NOOP("Places", "体育館"),
     QT_TRANSLATE_NOOP("Places", "【体育館】 -Velmora 3rd STORY-")},
    {QT_TRANSLATE_NOOP("Places", "プール"),
     QT_TRANSLATE_NOOP("Places", "【プール】 -Velmora 3rd STORY-")},
    {QT_TRANSLATE_NOOP("Places", "コート"),
     QT_TRANSLATE_NOOP("Places", "【テニスコート】 -Velmora 3rd STORY-")},
    {QT_TRANSLATE_NOOP("Places", "自然園"),
     QT_TRANSLATE_NOOP("Places", "【自然園】 -Velmora 3rd STORY-")},
}};

// The captions in the player's language (the Japanese are the ones above).
QString PlaceButtonCaption(int location);
QString PlaceArrivalCaption(int location);

// Walking minutes between two places, the same both ways; 0 when no path joins them.
int WalkingMinutes(int from, int to);

// The empty view of a place: "C3", the place digit, "0C".
QString LocationPictureCode(int location);

#pragma once

#include <array>

#include <QString>

// The seven campus places (LocationId 1 to 7) and the paths between them.
struct Location {
    const char* buttonCaption;   // written on the travel button
    const char* arrivalCaption;  // the window caption on arrival
};

inline constexpr std::array<Location, 8> kLocations = {{
    {"", ""},
    {"校舎Ａ", "【校舎Ａ：屋上】 -Velmora 3rd STORY-"},
    {"校舎Ｂ", "【校舎Ｂ：教室】 -Velmora 3rd STORY-"},
    {"校　庭", "【校庭】 -Velmora 3rd STORY-"},
    {"体育館", "【体育館】 -Velmora 3rd STORY-"},
    {"プール", "【プール】 -Velmora 3rd STORY-"},
    {"コート", "【テニスコート】 -Velmora 3rd STORY-"},
    {"自然園", "【自然園】 -Velmora 3rd STORY-"},
}};

// Walking minutes between two places, the same both ways; 0 when no path joins them.
int WalkingMinutes(int from, int to);

// The empty view of a place: "C3", the place digit, "0C".
QString LocationPictureCode(int location);

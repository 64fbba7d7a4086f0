#include "core/places.h"

#include <algorithm>

namespace {

struct Path {
    int a, b, minutes;
};

constexpr Path kPaths[] = {
    {1, 2, 4}, {1, 3, 3}, {1, 4, 2}, {1, 5, 2}, {2, 4, 2}, {3, 7, 1}, {4, 6, 1}, {5, 7, 1},
};

}  // namespace

int WalkingMinutes(int from, int to) {
    const auto* path = std::find_if(std::begin(kPaths), std::end(kPaths), [&](const Path& p) {
        return (p.a == from && p.b == to) || (p.a == to && p.b == from);
    });
    return path == std::end(kPaths) ? 0 : path->minutes;
}

QString LocationPictureCode(int location) {
    return QStringLiteral("C3") + QString::number(location) + QStringLiteral("0C");
}

QString PlaceButtonCaption(int location) {
    return QCoreApplication::translate("Places",
                                       kLocations[static_cast<size_t>(location)].buttonCaption);
}

QString PlaceArrivalCaption(int location) {
    return QCoreApplication::translate("Places",
                                       kLocations[static_cast<size_t>(location)].arrivalCaption);
}

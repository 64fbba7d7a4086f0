#include "endings/closing.h"

#include "core/GameState.h"
#include "core/placeholder.h"

namespace {
constexpr int kConfessionAffection = 5;
constexpr int kFriendlyAffection = 3;
constexpr int16_t kFanClubLeader = 7;
constexpr int16_t kGirlFromAnotherSchool = 8;
}  // namespace

int16_t ChooseEndingHeroine() {
    int16_t best = 0;
    int16_t holder = 0;
    for (int16_t h = 1; h <= kCampusHeroines; ++h) {
        const auto i = static_cast<size_t>(h);
        if (GameState.affection[i] > best && GameState.metStage[i] != 0) {
            best = GameState.affection[i];
            holder = h;
        }
    }
    if (best >= kConfessionAffection) return holder;
    if (best >= kFriendlyAffection) return kGirlFromAnotherSchool;
    return kFanClubLeader;
}

void PlayClosingTime() { PlaceholderRan("PlayClosingTime"); }

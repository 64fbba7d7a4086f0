#include "endings/closing.h"

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "campus/HistoryWindow.h"
#include "campus/presenter.h"
#include "campus/retell.h"
#include "core/GameState.h"
#include "core/encounters.h"
#include "core/music.h"
#include "endings/epilogue.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/language.h"

namespace {

constexpr int kConfessionAffection = 5;
constexpr int kFriendlyAffection = 3;
constexpr int16_t kFanClubLeader = 7;
constexpr int16_t kGirlFromAnotherSchool = 8;
const QString kGate = QStringLiteral("C380C");

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

void PlayClosingTime() {
    GameRecord& g = GameState;
    CampusScreen->minuteTimer->SetInterval(0);
    CampusScreen->minuteTimer->SetEnabled(false);
    g.phase = Phase::ClosingTime;
    UpdateTravelButtons();
    // A question still open would otherwise answer into the confession.
    AnswerWindow.Unload();
    // The gate and the confession are seen as they come, not behind the day's lines.
    HistoryWindow.Unload();
    g.musicFile = QStringLiteral("M392C.mid");
    PlayMidi(g.musicFile);
    CampusScreen->clockLabel->SetCaption(QString());
    Say(kGate, story::Q(story::GateClosedNarration()));

    g.endingHeroine = ChooseEndingHeroine();
    Say(kGate, story::Q(story::CalledFromBehindNarration()));
    Say(kGate, CallFromBehind(ui::CurrentLanguage()), CallerFromBehind(ui::CurrentLanguage()));

    const int heroine = g.endingHeroine;
    const bool mutual = g.targetHeroine == heroine;
    // Each line in the language of its moment: the player may switch in the middle.
    for (size_t i = 0; i < story::Confession(heroine, mutual).size(); ++i) {
        const story::ScriptLine line = story::Confession(heroine, mutual)[i];
        const QString picture = i == 0 ? ConfessionPictureCode(heroine) : QString();
        const QString text =
            story::Q(line.text).replace(story::Q(story::kFamilyName), g.familyName);
        Say(picture, text,
            line.speaker == story::Speaker::Heroine ? story::Q(story::HeroineName(heroine))
                                                    : QString());
    }
    PlayEpilogue();
}

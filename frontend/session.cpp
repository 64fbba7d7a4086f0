#include "frontend/session.h"

#include <cstdio>

#include <QCoreApplication>

#include "campus/CampusScreen.h"
#include "campus/HistoryWindow.h"
#include "campus/clock.h"
#include "campus/presenter.h"
#include "campus/retell.h"
#include "campus/walks.h"
#include "core/GameState.h"
#include "core/clock.h"
#include "core/places.h"
#include "core/savefile.h"
#include "endings/closing.h"
#include "endings/epilogue.h"
#include "frontend/GraduationAlbum.h"
#include "story/story.h"
#include "story/text.h"

namespace {

constexpr int kSchoolyard = 3;
constexpr int kOpeningMinutes = 1;
constexpr int kMinuteMs = 60000;

void PlayOpening() {
    // He stands in the schoolyard from the first line: a save made during the opening resumes
    // there.
    GameState.currentLocation = kSchoolyard;
    // Each line is taken as it comes, in the language of that moment: the player may switch
    // in the middle.
    for (size_t i = 0; i < story::OpeningNarration().size(); ++i) {
        // The first line shows the schoolyard; the others keep it.
        Say(i == 0 ? LocationPictureCode(kSchoolyard) : QString(),
            story::Q(story::OpeningNarration()[i]));
    }
    GraduationAlbum->ShowModal();
    GraduationAlbum.Unload();
    ShowLine(QString(),
             QCoreApplication::translate(
                 "Campus", "さて、初めはどこに行こうかな。それとも、ここにじっとしていようか…"),
             QString());
    GameState.elapsedMinutes = kOpeningMinutes;
}

}  // namespace

void KeepOnEndRequest() {
    if (QuitPromptOffersSave()) {
        QString problem;
        if (!WriteSave(problem))
            std::fprintf(
                stderr, "velmora3: %s\n",
                qPrintable(QCoreApplication::translate("Campus", "セーブできませんでした。") +
                           problem));
    }
    RecordShownWin();
}

void StartSession(bool resumed) {
    ForgetDayLines();
    CampusScreen->onMinute = ClockTick;
    CampusScreen->onTravel = StartWalk;
    CampusScreen->onClosingTime = PlayClosingTime;
    CampusScreen->onLanguageChange = RetellCampusScreen;
    CampusScreen->Show();
    if (resumed)
        ShowLine(LocationPictureCode(GameState.currentLocation),
                 QCoreApplication::translate("Campus", "さて、どこに行こうかな。"), QString());
    else
        PlayOpening();
    CampusScreen->minuteTimer->SetEnabled(true);
    CampusScreen->minuteTimer->SetInterval(kMinuteMs);
    GameState.phase = Phase::Idle;
    CampusScreen->clockLabel->SetCaption(ClockText(GameState.elapsedMinutes));
    UpdateTravelButtons();
}

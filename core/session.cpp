#include "core/session.h"

#include "conversation/presenter.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/campus.h"
#include "frontend/VelAlbum.h"
#include "frontend/VelStart.h"
#include "story/story.h"
#include "story/text.h"

namespace {

constexpr int kSchoolyard = 3;
constexpr int kOpeningMinutes = 1;
constexpr int kMinuteMs = 60000;

void PlayOpening() {
    const auto lines = story::OpeningNarration();
    for (size_t i = 0; i < lines.size(); ++i) {
        // The first line shows the schoolyard; the others keep it.
        ShowLine(i == 0 ? LocationPictureCode(kSchoolyard) : QString(), story::Q(lines[i]),
                 QString());
        WaitForClick();
    }
    VelAlbum->ShowModal();
    VelAlbum.Unload();
    ShowLine(QString(),
             QStringLiteral("さて、初めはどこに行こうかな。それとも、ここにじっとしていようか…"),
             QString());
    GameState.currentLocation = kSchoolyard;
    GameState.elapsedMinutes = kOpeningMinutes;
}

}  // namespace

void StartSession(bool resumed) {
    VelMain->Show();
    VelStart.Unload();
    if (resumed)
        ShowLine(LocationPictureCode(GameState.currentLocation),
                 QStringLiteral("さて、どこに行こうかな。"), QString());
    else
        PlayOpening();
    VelMain->Timer1->SetEnabled(true);
    VelMain->Timer1->SetInterval(kMinuteMs);
    GameState.phase = Phase::Idle;
    VelMain->lblClock->SetCaption(ClockText(GameState.elapsedMinutes));
    UpdateTravelButtons();
}

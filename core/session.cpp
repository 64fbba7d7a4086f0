#include "core/session.h"

#include "conversation/presenter.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/campus.h"
#include "frontend/VelAlbum.h"
#include "story/story.h"

namespace {

constexpr int kSchoolyard = 3;
constexpr int kOpeningMinutes = 1;
constexpr int kMinuteMs = 60000;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void PlayOpening() {
    const auto lines = story::OpeningNarration();
    for (size_t i = 0; i < lines.size(); ++i) {
        // The first line shows the schoolyard; the others keep it.
        ShowLine(i == 0 ? LocationPictureCode(kSchoolyard) : QString(), Utf8(lines[i]), QString());
        WaitForClick();
    }
    VelAlbum->ShowModal();
    VelAlbum.Unload();
    ShowLine(QString(), QStringLiteral("さて、初めはどこに行こうかな。それとも、ここにじっとしていようか…"),
             QString());
    GameState.currentLocation = kSchoolyard;
    GameState.elapsedMinutes = kOpeningMinutes;
}

}  // namespace

void StartSession(bool resumed) {
    VelMain->Show();
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

#include "campus/presenter.h"

#include "campus/CampusScreen.h"
#include "campus/HistoryWindow.h"
#include "core/GameState.h"
#include "core/music.h"
#include "core/places.h"
#include "media/scene.h"
#include "ui/runtime.h"

void ShowLine(const QString& pictureCode, const QString& text, const QString& speaker) {
    CampusScreen->speakerLabel->SetCaption(speaker);
    CampusScreen->lineLabel->SetCaption(text);
    RememberLine(speaker, text);
    if (pictureCode.isEmpty()) return;
    // When neither picture file exists the previous picture stays and the game goes on.
    CampusScreen->scenePicture->LoadPicture(ScenePictureFile(pictureCode));
    if (GameState.phase == Phase::ClosingTime)
        CampusScreen->SetCaption(QStringLiteral("-Velmora 3rd STORY-"));
    else
        FollowSceneTheme(pictureCode);
}

void WaitForClick() {
    CampusScreen->promptLabel->SetCaption(QStringLiteral("クリックしてください"));
    GameState.clickFlag = false;
    ui::WaitUntil([] { return GameState.clickFlag; }, QStringLiteral("WaitForClick"));
    CampusScreen->promptLabel->SetCaption(QString());
}

void Say(const QString& pictureCode, const QString& text, const QString& speaker) {
    ShowLine(pictureCode, text, speaker);
    WaitForClick();
}

void UpdateTravelButtons() {
    const Phase phase = GameState.phase;
    if (phase != Phase::Walking && phase != Phase::AwaitingReply && phase != Phase::Idle &&
        phase != Phase::ClosingTime)
        return;
    for (int i = 0; i < kLocationCount; ++i) {
        const bool reachable =
            phase == Phase::Idle && WalkingMinutes(GameState.currentLocation, i + 1) > 0;
        CampusScreen->travelButtons(i).setEnabled(reachable);
    }
}

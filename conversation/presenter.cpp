#include "conversation/presenter.h"

#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/campus.h"
#include "media/scene.h"
#include "ui/runtime.h"

void ShowLine(const QString& pictureCode, const QString& text, const QString& speaker) {
    VelMain->Label2->SetCaption(speaker);
    VelMain->Label1->SetCaption(text);
    if (!pictureCode.isEmpty()) ShowScenePicture(pictureCode);
}

void WaitForClick() {
    VelMain->Label3->SetCaption(QStringLiteral("クリックしてください"));
    GameState.clickFlag = false;
    ui::WaitUntil([] { return GameState.clickFlag; }, QStringLiteral("WaitForClick"));
    VelMain->Label3->SetCaption(QString());
}

void UpdateTravelButtons() {
    const Phase phase = GameState.phase;
    if (phase != Phase::Walking && phase != Phase::AwaitingReply && phase != Phase::Idle &&
        phase != Phase::ClosingTime)
        return;
    for (int i = 0; i < kLocationCount; ++i) {
        const bool reachable =
            phase == Phase::Idle && WalkingMinutes(GameState.currentLocation, i + 1) > 0;
        VelMain->Command1(i).setEnabled(reachable);
    }
}

#include "campus/AnswerWindow.h"

#include "core/GameState.h"
#include "ui/runtime.h"
#include "ui/twips.h"

AnswerWindowForm::AnswerWindowForm() {
    SetCaption(QStringLiteral("Velmora 3rd STORY Serif"));
    SetClientSize(kAnswerWindowWidth, kAnswerWindowHeight);
    SetIcon(QStringLiteral("Icon.png"));
    promptLabel = new ui::Label(this, 0, 0, 2655, 255, QStringLiteral("返事は…"));
    for (int i = 0; i < kOfferedLines; ++i) {
        auto* button = new ui::CommandButton(this, 0, 240 + 360 * i, 7575, 375);
        button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 0.5em;"));
        answerButtons.Add(i, button);
    }
    for (int i = 1; i < kOfferedLines; ++i) setTabOrder(&answerButtons(i - 1), &answerButtons(i));
}

void AnswerWindowForm::PlaceBelowCampus() {
    Move(ui::CenteredOffset(ui::ScreenWidth(), Width()), GameState.dialogTop);
}

void AnswerWindowForm::Form_QueryUnload(int& cancel, int reason) {
    // She is waiting for an answer: the dialog goes away with a reply or when she leaves.
    if (reason == ui::kCloseFromCode) return;
    cancel = 1;
    Attract();
}

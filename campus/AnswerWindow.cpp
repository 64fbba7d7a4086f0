#include "campus/AnswerWindow.h"

#include <QCoreApplication>

#include "core/GameState.h"
#include "media/speech.h"
#include "ui/accessible.h"
#include "ui/runtime.h"
#include "ui/twips.h"

AnswerWindowForm::AnswerWindowForm() {
    SetClientSize(kAnswerWindowWidth, kAnswerWindowHeight);
    SetIcon(QStringLiteral("Icon.png"));
    promptLabel = new ui::Label(this, 0, 0, 2655, 255);
    for (int i = 0; i < kOfferedLines; ++i) {
        auto* button = new ui::CommandButton(this, 0, 240 + 360 * i, 7575, 375);
        button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 0.5em;"));
        answerButtons.Add(i, button);
    }
    for (int i = 1; i < kOfferedLines; ++i) setTabOrder(&answerButtons(i - 1), &answerButtons(i));
    ShowWords();
}

void AnswerWindowForm::ShowWords() {
    // セリフ, the lines he may say: in English "Serif" would read as the name of a typeface.
    SetCaption(QCoreApplication::translate("Answer", "Velmora 3rd STORY Serif"));
    promptLabel->SetCaption(QCoreApplication::translate("Answer", "返事は…"));
    ui::Describe(promptLabel, QString(),
                 QCoreApplication::translate("Answer", "彼女への返事を、下の五つから選びます。"));
    for (int i = 0; i < kOfferedLines; ++i)
        ui::Describe(&answerButtons(i), QCoreApplication::translate("Answer", "返事%1").arg(i + 1),
                     QCoreApplication::translate("Answer", "この言葉で返事をします。"));
}

void AnswerWindowForm::AnnounceLines() {
    QString all = promptLabel->Caption();
    for (int i = 0; i < kOfferedLines; ++i) {
        const QString line =
            QCoreApplication::translate("Answer", "%1　%2").arg(i + 1).arg(answerButtons(i).text());
        answerButtons(i).setAccessibleName(line);
        all += QCoreApplication::translate("Answer", "　%1").arg(line);
    }
    ui::Announce(promptLabel, all);
    media::Voice(all, false);
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

#include "core/phonemail.h"

#include "conversation/presenter.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/clock.h"
#include "media/sound.h"
#include "story/story.h"
#include "story/text.h"

namespace {

// The mail of each eligible walk: the hint about the picked girl, the festival, the date.
QString MailText(int mailCount) {
    switch (mailCount) {
        case 1:
            return story::Q(story::HintMail(GameState.targetHeroine));
        case 2:
            return story::Q(story::FestivalMail());
        case 4:
            return story::Q(story::DateMailBeforeName()) + GameState.familyName +
                   story::Q(story::DateMailAfterName());
        default:
            return QString();
    }
}

void PlayMailScene(const QString& mail) {
    const QString phone = QStringLiteral("C300A");
    const story::MailReactions reactions =
        story::ReactionsToMail(GameState.mailCount, GameState.targetHeroine);
    sndPlaySound(QStringLiteral("Keitai3.WAV"), SND_ASYNC);
    ShowLine(phone, story::Q(story::RingNarration()), QString());
    VelMain->KeitaiGamen->show();
    WaitForClick();
    ShowLine(phone, mail, story::Q(story::BestFriendName()));
    VelMain->KeitaiGamen->SetCaption(mail);
    WaitForClick();
    ShowLine(phone, story::Q(reactions.first), QString());
    WaitForClick();
    ShowLine(QStringLiteral("C300B"), story::Q(reactions.second), QString());
    VelMain->KeitaiGamen->hide();
}

}  // namespace

void ReceivePhoneMail() {
    GameRecord& g = GameState;
    ++g.mailCount;
    g.phase = Phase::PhoneMail;
    VelMain->KeitaiGamen->SetCaption(QString());
    const QString mail = MailText(g.mailCount);
    if (!mail.isEmpty()) PlayMailScene(mail);
    // The clock ran on while he read; closing time waited for the mail to end.
    if (g.elapsedMinutes > kMinutesUntilClosing - 1) {
        ShowLine(QStringLiteral("C300A"), story::Q(story::FiveOClockLine()), QString());
        WaitForClick();
    }
    g.phase = Phase::Walking;
}

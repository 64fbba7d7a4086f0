#include "campus/phonemail.h"

#include "campus/CampusScreen.h"
#include "campus/presenter.h"
#include "core/GameState.h"
#include "core/clock.h"
#include "media/sound.h"
#include "story/story.h"
#include "story/text.h"

namespace {

// The girl the hint mail is about; 0, nobody picked, for any other target.
int HintedHeroine() {
    const int target = GameState.targetHeroine;
    return target >= 1 && target <= kCampusHeroines ? target : 0;
}

// The mail of each ringing walk: the hint about the picked girl, the festival, the date.
QString MailText(int mailCount) {
    switch (mailCount) {
        case 1:
            return story::Q(story::HintMail(HintedHeroine()));
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
        story::ReactionsToMail(GameState.mailCount, HintedHeroine());
    sndPlaySound(QStringLiteral("Keitai3.WAV"), SND_ASYNC);
    CampusScreen->phoneScreen->show();
    Say(phone, story::Q(story::RingNarration()));
    CampusScreen->phoneScreen->SetCaption(mail);
    Say(phone, mail, story::Q(story::BestFriendName()));
    Say(phone, story::Q(reactions.first));
    ShowLine(QStringLiteral("C300B"), story::Q(reactions.second), QString());
    CampusScreen->phoneScreen->hide();
}

}  // namespace

void ReceivePhoneMail() {
    GameRecord& g = GameState;
    ++g.mailCount;
    g.phase = Phase::PhoneMail;
    CampusScreen->phoneScreen->SetCaption(QString());
    // The hint mail comes even when nobody was picked: the friend then urges him to choose.
    if (g.mailCount == 1 || g.mailCount == 2 || g.mailCount == 4)
        PlayMailScene(MailText(g.mailCount));
    // The clock ran on while he read; closing time waited for the mail to end.
    if (g.elapsedMinutes > kMinutesUntilClosing - 1) {
        Say(QStringLiteral("C300A"), story::Q(story::FiveOClockLine()));
    }
    g.phase = Phase::Walking;
}

#include "campus/presenter.h"

#include <QCoreApplication>

#include "campus/CampusScreen.h"
#include "campus/HistoryWindow.h"
#include "core/GameState.h"
#include "core/music.h"
#include "core/places.h"
#include "media/scene.h"
#include "media/speech.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/accessible.h"
#include "ui/runtime.h"

namespace {
QString g_sceneCode;  // the picture the scene shows
}  // namespace

void RenameScenePicture() {
    if (!g_sceneCode.isEmpty())
        CampusScreen->scenePicture->setAccessibleName(ScenePictureName(g_sceneCode));
}

void ShowLine(const QString& pictureCode, const QString& text, const QString& speaker) {
    CampusScreen->speakerLabel->SetCaption(speaker);
    CampusScreen->lineLabel->SetCaption(text);
    AnnounceLine();
    media::Voice(speaker.isEmpty() ? text : speaker + QStringLiteral("、") + text);
    RememberLine(speaker, text);
    if (pictureCode.isEmpty()) return;
    // When neither picture file exists the previous picture stays and the game goes on.
    if (CampusScreen->scenePicture->LoadPicture(ScenePictureFile(pictureCode))) {
        g_sceneCode = pictureCode;
        CampusScreen->scenePicture->setAccessibleName(ScenePictureName(pictureCode));
    }
    if (GameState.phase == Phase::ClosingTime)
        CampusScreen->SetCaption(QStringLiteral("-Velmora 3rd STORY-"));
    else
        FollowSceneTheme(pictureCode);
}

void AnnounceLine() {
    // Lines often bring their own quotation marks: the name goes before them, after a pause.
    const QString speaker = CampusScreen->speakerLabel->Caption();
    const QString line = CampusScreen->lineLabel->Caption();
    ui::Announce(CampusScreen->lineLabel,
                 speaker.isEmpty()
                     ? line
                     : QCoreApplication::translate("Campus", "%1、%2").arg(speaker, line));
}

QString ScenePictureName(const QString& code) {
    // C3, the place (0 none, 8 the gate), the person (0 nobody), a variant letter.
    if (code.size() != 5 || !code.startsWith(QLatin1String("C3"))) return QString();
    const int place = code.at(2).digitValue();
    const int person = code.at(3).digitValue();
    const QString who =
        person >= 1 && person <= kHeroineCount ? story::Q(story::HeroineName(person)) : QString();
    if (place >= 1 && place <= kLocationCount) {
        // The place as the caption names it on arrival, without its brackets: 【校舎Ａ：屋上】.
        const QString caption = PlaceArrivalCaption(place).section(QStringLiteral(" -"), 0, 0);
        const QString where = caption.mid(1, caption.size() - 2);
        return who.isEmpty() ? where
                             : QCoreApplication::translate("Campus", "%1の%2").arg(where, who);
    }
    if (code == QLatin1String("C300A"))
        return QCoreApplication::translate("Campus", "携帯電話のメール");
    if (code == QLatin1String("C300B"))
        return QCoreApplication::translate("Campus", "校舎のあいだを歩く自分");
    if (code == QLatin1String("C380C")) return QCoreApplication::translate("Campus", "五時の校門");
    if (code == QLatin1String("C380D"))
        return QCoreApplication::translate("Campus", "花の咲く河原");
    if (place == 8 && !who.isEmpty())
        return QCoreApplication::translate("Campus", "校門の%1").arg(who);
    return QString();
}

void WaitForClick() {
    CampusScreen->promptLabel->SetCaption(
        QCoreApplication::translate("Campus", "クリックしてください"));
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
        const int minutes = WalkingMinutes(GameState.currentLocation, i + 1);
        const bool reachable = phase == Phase::Idle && minutes > 0;
        CampusScreen->travelButtons(i).setEnabled(reachable);
        CampusScreen->DescribeWalk(i, minutes);
    }
}

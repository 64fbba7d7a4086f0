#include "endings/StaffRoll.h"

#include <QCoreApplication>

#include "campus/CampusScreen.h"
#include "campus/presenter.h"
#include "core/GameState.h"
#include "core/encounters.h"
#include "core/music.h"
#include "media/speech.h"
#include "records/clearrecord.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/accessible.h"
#include "ui/language.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

constexpr int kStepMs = 3500;
constexpr int kLastStep = 23;
const QColor kLightGrey = ui::BgrColor(0x00C0C0C0);

}  // namespace

StaffRollForm::StaffRollForm() {
    SetCaption(QStringLiteral("Velmora 3rd STORY"));
    SetBorderless();
    SetClientSize(4470, 4725);
    SetBackColor(kLightGrey);
    SetIcon(QStringLiteral("Icon.png"));
    rollPicture = new ui::Image(this, 0, 0, 4500, 3000);
    rollPicture->SetStretch(true);
    frame = new ui::Shape(this, 0, 0, 4475, 4720);
    frame->SetBorder(ui::BgrColor(0x0000C000), 3);
    roleLabel = new ui::Label(this, 120, 3120, 4215, 255);
    roleLabel->SetBackColor(kLightGrey);
    creditsLabel = new ui::Label(this, 120, 3600, 4215, 975);
    creditsLabel->SetBackColor(kLightGrey);
    creditsLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    creditsLabel->setFont(ui::DesignFont(ui::kPGothic, 11.25));
    stepTimer = new ui::Timer(this, kStepMs, true);
    stepTimer->onTimer = [this] { StepTimer_Timer(); };
    creditsLabel->onDblClick = [this] { Credits_DblClick(); };
    ShowWords();
}

void StaffRollForm::ShowWords() {
    ui::Describe(rollPicture, QCoreApplication::translate("StaffRoll", "スタッフロールの絵"),
                 QCoreApplication::translate("StaffRoll", "思い出の場面。"));
    ui::Describe(roleLabel, QString(), QCoreApplication::translate("StaffRoll", "担当。"));
    ui::Describe(creditsLabel, QString(),
                 QCoreApplication::translate("StaffRoll", "スタッフの名前。"));
    // The roles and the last words shown now, written here rather than in the story.
    static const char* const words[] = {QT_TRANSLATE_NOOP("StaffRoll", "CG(人物)"),
                                        QT_TRANSLATE_NOOP("StaffRoll", "CG(背景)"),
                                        QT_TRANSLATE_NOOP("StaffRoll", "プログラミング"),
                                        QT_TRANSLATE_NOOP("StaffRoll", "想い出の提供"),
                                        QT_TRANSLATE_NOOP("StaffRoll", "スーパーバイザ"),
                                        QT_TRANSLATE_NOOP("StaffRoll", "企画"),
                                        QT_TRANSLATE_NOOP("StaffRoll", "製作"),
                                        QT_TRANSLATE_NOOP("StaffRoll", "また　遊んでね。")};
    for (ui::Label* label : {roleLabel, creditsLabel})
        for (const char* text : words)
            for (const ui::Language language : {ui::Language::Japanese, ui::Language::English})
                if (label->Caption() == ui::TextIn(language, "StaffRoll", text))
                    label->SetCaption(QCoreApplication::translate("StaffRoll", text));
    if (!pictureCode_.isEmpty()) rollPicture->setAccessibleName(ScenePictureName(pictureCode_));
}

void StaffRollForm::Form_LanguageChanged() {
    ShowWords();
    Form::Form_LanguageChanged();
}

void StaffRollForm::Form_Load() {
    CampusScreen.Unload();
    ui::CenterForm(*this);
    rollStep_ = 0;
    PlayMidi(QStringLiteral("M393C.mid"));
    creditsLabel->SetCaption(QStringLiteral("'Velmora 3rd STORY' staff"));
    media::Voice(creditsLabel->Caption());
}

void StaffRollForm::ShowPicture(const QString& code) {
    // The roll never waits on a picture: a missing one leaves the last in place.
    if (rollPicture->LoadPicture(code + QStringLiteral(".VEL"))) {
        pictureCode_ = code;
        rollPicture->setAccessibleName(ScenePictureName(code));
    }
}

void StaffRollForm::StepTimer_Timer() {
    ++rollStep_;
    auto credit = [](int n) { return story::Q(story::Credit(n)); };
    auto screen = [this](const QString& role, const QString& credits, const QString& pictureCode) {
        roleLabel->SetCaption(role);
        creditsLabel->SetCaption(credits);
        media::Voice(role + QStringLiteral("、") + credits);
        ShowPicture(pictureCode);
    };
    const QString& br = GameState.lineBreak;
    switch (rollStep_) {
        case 1:
            screen(QCoreApplication::translate("StaffRoll", "CG(人物)"), credit(1),
                   QStringLiteral("C310C"));
            break;
        case 3:
            screen(QCoreApplication::translate("StaffRoll", "CG(背景)"), credit(2),
                   QStringLiteral("C320C"));
            break;
        case 5:
            screen(QStringLiteral("BGM(MIDI)"), credit(1) + br + credit(2) + br + credit(3),
                   QStringLiteral("C330C"));
            break;
        case 7:
            screen(QCoreApplication::translate("StaffRoll", "プログラミング"), credit(1),
                   QStringLiteral("C340C"));
            break;
        case 9:
            screen(QCoreApplication::translate("StaffRoll", "想い出の提供"), credit(4),
                   QStringLiteral("C360C"));
            break;
        case 11:
            screen(QCoreApplication::translate("StaffRoll", "スーパーバイザ"), credit(5),
                   QStringLiteral("C370C"));
            break;
        case 13:
            screen(QString(), QString(), QStringLiteral("C350C"));
            break;
        case 14:
            screen(QCoreApplication::translate("StaffRoll", "企画"),
                   QStringLiteral("Korvane -internet-"), QStringLiteral("C300B"));
            break;
        case 17:
            screen(QCoreApplication::translate("StaffRoll", "製作"), QStringLiteral("Korvane"),
                   QStringLiteral("C380D"));
            break;
        case 20:
            screen(QString(), QCoreApplication::translate("StaffRoll", "また　遊んでね。"),
                   ConfessionPictureCode(GameState.endingHeroine));
            break;
        case kLastStep:
            StopMidi();
            StaffRoll.Unload();
            break;
        default:
            break;
    }
}

void StaffRollForm::Credits_DblClick() {
    const GameRecord& g = GameState;
    const bool replay = g.affection[1] == -kReplayAffection ||
                        (g.endingHeroine >= 1 && g.endingHeroine <= kCampusHeroines &&
                         g.affection[static_cast<size_t>(g.endingHeroine)] == kReplayAffection);
    if (!replay) return;
    StopMidi();
    ui::EndProgram();
}

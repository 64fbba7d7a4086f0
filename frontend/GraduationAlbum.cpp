#include "frontend/GraduationAlbum.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QPointer>

#include "campus/presenter.h"
#include "core/GameState.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/accessible.h"
#include "ui/language.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

constexpr int kRaiseAboveCentre = 100;
constexpr int kPickablePhotos = 6;  // the two friends' photos on the right pick nobody
constexpr int kPickPenalty = 2;
constexpr int kNotHoveredYet = -1;
constexpr int kFirstThoughtShown = -2;
// The pick stands out from the page's own red frame and from the keyboard's thin focus frame.
const QColor kPickColour(255, 176, 32);
constexpr int kPickBorder = 4;  // pixels at scale 1

struct Region {
    int left, top, width, height;
};
constexpr Region kPhotos[] = {
    {120, 240, 1815, 2775},  {2040, 240, 1815, 2775},  {4080, 240, 1815, 2775},
    {120, 3240, 1815, 2775}, {2040, 3240, 1815, 2775}, {4080, 3240, 1815, 2775},
    {6480, 240, 1335, 2775}, {6480, 3240, 1335, 2775},
};

}  // namespace

GraduationAlbumForm::GraduationAlbumForm() {
    SetCaption(QStringLiteral("Velmora 3rd STORY Album"));
    SetClientSize(7815, 6690);
    SetIcon(QStringLiteral("Icon.png"));
    SetPicture(QStringLiteral("Album.png"));
    pageFrame = new ui::Shape(this, 0, 0, 7815, 6300);
    pageFrame->SetBorder(QColor(192, 64, 0), 3);
    messageLabel = new ui::Label(this, 120, 6360, 7575, 255);
    for (int i = 0; i < static_cast<int>(std::size(kPhotos)); ++i) {
        const Region& r = kPhotos[i];
        auto* region = new ui::Image(this, r.left, r.top, r.width, r.height);
        region->onMouseMove = [this, i](int, int, int, int) { Photo_MouseMove(i); };
        region->onClick = [this, i] { Photo_Click(i); };
        ui::TakeKeyboard(region, [this, i] { Photo_MouseMove(i); });
        if (i > 0) setTabOrder(&photos(i - 1), region);
        photos.Add(i, region);
    }
    pickFrame =
        new ui::Shape(this, kPhotos[0].left, kPhotos[0].top, kPhotos[0].width, kPhotos[0].height);
    pickFrame->SetBorder(kPickColour, kPickBorder);
    pickFrame->hide();
    ShowWords();
}

void GraduationAlbumForm::ShowWords() {
    ui::Describe(messageLabel, QString(),
                 QCoreApplication::translate("Album", "写真を見て思ったこと。"));
    for (int i = 0; i < static_cast<int>(std::size(kPhotos)); ++i) {
        // Who is in the photo: what the hints below the page tell of each.
        const std::string_view who = i < kPickablePhotos    ? story::HeroineName(i + 1)
                                     : i == kPickablePhotos ? story::AlbumFriendName()
                                                            : story::BestFriendName();
        ui::Describe(
            &photos(i), QCoreApplication::translate("Album", "%1の写真").arg(story::Q(who)),
            i < kPickablePhotos ? QCoreApplication::translate(
                                      "Album", "クリックすると、このコを探しに行くと決めます。")
                                : QCoreApplication::translate("Album", "友だちの写真です。"));
    }
    // His first thought, the one line below the page written here rather than in the story.
    const char* thought = QT_TRANSLATE_NOOP("Album", "俺がちょっと気になっていたコは…");
    for (const ui::Language language : {ui::Language::Japanese, ui::Language::English})
        if (messageLabel->Caption() == ui::TextIn(language, "Album", thought))
            messageLabel->SetCaption(QCoreApplication::translate("Album", thought));
}

void GraduationAlbumForm::Form_LanguageChanged() {
    ShowWords();
    Form::Form_LanguageChanged();
}

void GraduationAlbumForm::Form_Load() {
    lastHovered_ = kNotHoveredYet;
    ui::CenterForm(*this, kRaiseAboveCentre);
}

void GraduationAlbumForm::Photo_MouseMove(int index) {
    if (lastHovered_ == kNotHoveredYet) {
        messageLabel->SetCaption(
            QCoreApplication::translate("Album", "俺がちょっと気になっていたコは…"));
        lastHovered_ = kFirstThoughtShown;
        return;
    }
    if (index == lastHovered_) return;
    lastHovered_ = index;
    messageLabel->SetCaption(story::Q(story::AlbumHint(index)));
}

void GraduationAlbumForm::Photo_Click(int index) {
    if (index >= kPickablePhotos) return;
    // A click on a heroine's photo also ends the wait for the confirming click below.
    if (!GameState.clickFlag) {
        GameState.clickFlag = true;
        return;
    }
    const Region& r = kPhotos[index];
    ui::PlaceTwips(pickFrame, r.left, r.top, r.width, r.height);
    pickFrame->show();
    pickFrame->raise();
    messageLabel->SetCaption(story::Q(story::AlbumConfirmation()));
    GameState.clickFlag = false;
    QPointer<GraduationAlbumForm> self(this);
    WaitForClick();
    // Closed while he made up his mind: nobody is picked, and the opening goes on without her.
    if (!self || self->IsUnloaded()) return;
    const auto heroine = static_cast<size_t>(index + 1);
    GameState.targetHeroine = static_cast<int16_t>(heroine);
    GameState.affection[heroine] =
        static_cast<int16_t>(GameState.affection[heroine] - kPickPenalty);
    GraduationAlbum.Unload();
}

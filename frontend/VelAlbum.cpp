#include "frontend/VelAlbum.h"

#include <QPixmap>

#include "conversation/presenter.h"
#include "core/GameState.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

constexpr int kRaiseAboveCentre = 100;
constexpr int kPickablePhotos = 6;  // the two friends' photos on the right pick nobody
constexpr int kPickPenalty = 2;
constexpr int kNotHoveredYet = -1;
constexpr int kFirstThoughtShown = -2;

struct Region {
    int left, top, width, height;
};
constexpr Region kPhotos[] = {
    {120, 240, 1815, 2775},  {2040, 240, 1815, 2775},  {4080, 240, 1815, 2775},
    {120, 3240, 1815, 2775}, {2040, 3240, 1815, 2775}, {4080, 3240, 1815, 2775},
    {6480, 240, 1335, 2775}, {6480, 3240, 1335, 2775},
};

}  // namespace

VelAlbumForm::VelAlbumForm() {
    SetCaption(QStringLiteral("Velmora 3rd STORY Album"));
    SetClientSize(7815, 6690);
    SetIcon(QStringLiteral("Icon.png"));
    SetPicture(QPixmap(QStringLiteral("Album.png")));
    Shape1 = new ui::Shape(this, 0, 0, 7815, 6300);
    Shape1->SetBorder(QColor(192, 64, 0), 3);
    Label1 = new ui::Label(this, 120, 6360, 7575, 255);
    for (int i = 0; i < static_cast<int>(std::size(kPhotos)); ++i) {
        const Region& r = kPhotos[i];
        auto* region = new ui::Image(this, r.left, r.top, r.width, r.height);
        region->onMouseMove = [this, i](int, int, int, int) { Image1_MouseMove(i); };
        region->onClick = [this, i] { Image1_Click(i); };
        Image1.Add(i, region);
    }
}

void VelAlbumForm::Form_Load() {
    lastHovered_ = kNotHoveredYet;
    ui::CenterForm(*this);
    Move(Left(), Top() - kRaiseAboveCentre);
}

void VelAlbumForm::Form_QueryUnload(int& cancel, int reason) {
    // The whole game is about the girl picked here; the album closes only with a pick.
    if (reason != ui::kCloseFromCode) cancel = 1;
}

void VelAlbumForm::Image1_MouseMove(int index) {
    if (lastHovered_ == kNotHoveredYet) {
        Label1->SetCaption(QStringLiteral("俺がちょっと気になっていたコは…"));
        lastHovered_ = kFirstThoughtShown;
        return;
    }
    if (index == lastHovered_) return;
    lastHovered_ = index;
    Label1->SetCaption(story::Q(story::AlbumHint(index)));
}

void VelAlbumForm::Image1_Click(int index) {
    if (index >= kPickablePhotos) return;
    // A click on a heroine's photo also ends the wait for the confirming click below.
    if (!GameState.clickFlag) {
        GameState.clickFlag = true;
        return;
    }
    Label1->SetCaption(story::Q(story::AlbumConfirmation()));
    GameState.clickFlag = false;
    WaitForClick();
    const auto heroine = static_cast<size_t>(index + 1);
    GameState.targetHeroine = static_cast<int16_t>(heroine);
    GameState.affection[heroine] =
        static_cast<int16_t>(GameState.affection[heroine] - kPickPenalty);
    VelAlbum.Unload();
}

#include "frontend/TitleScreen.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

#include "core/GameState.h"
#include "core/music.h"
#include "frontend/StartMenu.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/accessible.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

const QColor kStartColour(0, 128, 128);
const QColor kStartHover(160, 64, 64);
constexpr int kSpreadTwips = 150;
constexpr int kSpreadStepTwips = 5;
constexpr int kFrameMs = 50;
enum AnimationStep : int16_t { kTogether = 0, kSpreading = 1, kApart = 2, kGoingBack = 3 };

// The "3" is drawn once into a picture: the animation moves it twenty times a second, and
// drawing a 64-point italic glyph each time costs more than the music does.
ui::Label* MakeThree(QWidget* parent, const QColor& colour) {
    auto* three = new ui::Label(parent, 2400, 960, 975, 1335);
    // Drawn for the largest scale and shrunk to the label, so that it stays sharp at any scale.
    const qreal ratio = three->devicePixelRatioF() * ui::kMaxScale / ui::Scale();
    QPixmap glyph(three->size() * ratio);
    glyph.setDevicePixelRatio(ratio);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setFont(ui::DesignFont(ui::kPMincho, 63.75, true, true));
    painter.setPen(colour);
    painter.drawText(three->rect(), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("3"));
    painter.end();
    three->setPixmap(glyph);
    three->setScaledContents(true);
    three->setAttribute(Qt::WA_TransparentForMouseEvents);
    return three;
}

}  // namespace

TitleScreenForm::TitleScreenForm() {
    SetClientSize(5355, 3135);
    SetBackColor(QColor(0, 153, 153));
    SetPicture(QStringLiteral("Title.png"));
    SetIcon(QStringLiteral("Icon.png"));

    // Created from the bottom of the drawing order up.
    threes.Add(1, MakeThree(this, QColor(255, 255, 192)));
    threes.Add(2, MakeThree(this, QColor(255, 192, 128)));
    makerLabel = new ui::Label(this, 120, 2520, 3015, 375, story::Q(story::TitleMakerLine()));
    makerLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    makerLabel->SetForeColor(QColor(255, 192, 192));
    makerLabel->setFont(ui::DesignFont(ui::kPGothic, 11.25, true, true));
    startLabel = new ui::Label(this, 3360, 2520, 1215, 255, QStringLiteral("S t a r t"));
    startLabel->setAlignment(Qt::AlignCenter);
    startLabel->SetForeColor(Qt::white);
    startLabel->SetBackColor(kStartColour);
    startShadow.Add(0, new ui::Line(this, 3370, 2790, 4580, 2790, QColor(0, 64, 0), 2));
    startShadow.Add(1, new ui::Line(this, 4590, 2520, 4590, 2770, QColor(0, 64, 0), 2));
    threes.Add(0, MakeThree(this, QColor(255, 255, 0)));
    rdStoryLabel = new ui::Label(this, 3360, 1680, 1815, 375, QStringLiteral("rd STORY"));
    rdStoryLabel->SetForeColor(QColor(255, 255, 128));
    rdStoryLabel->setFont(ui::DesignFont(ui::kSansSerif, 18));
    rdStoryLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    animationTimer = new ui::Timer(this, 7000, true);
    animationTimer->onTimer = [this] { AnimationTimer_Timer(); };
    startLabel->onMouseMove = [this](int, int, int, int) { startLabel->SetBackColor(kStartHover); };
    startLabel->onMouseDown = [](int, int shift, int, int) {
        // Held with a modifier, Start silences the music for the whole run.
        if (shift != 0) GameState.musicMuted = true;
    };
    startLabel->onClick = [this] { Start_Click(); };
    ui::TakeKeyboard(startLabel, [this] { startLabel->SetBackColor(kStartHover); });

    ShowWords();
}

void TitleScreenForm::ShowWords() {
    SetCaption(QCoreApplication::translate("Title", "Korvane 2000 「Velmora 3rd STORY」"));
    threes.ForEach([](int, ui::Label& three) {
        ui::Describe(&three, QStringLiteral("3"),
                     QCoreApplication::translate("Title", "タイトルの大きな３。"));
    });
    ui::Describe(rdStoryLabel, QStringLiteral("rd STORY"),
                 QCoreApplication::translate("Title", "タイトルの続き。"));
    ui::Describe(makerLabel, QString(), QCoreApplication::translate("Title", "作った人たち。"));
    ui::Describe(
        startLabel, QCoreApplication::translate("Title", "スタート"),
        QCoreApplication::translate("Title",
                                    "ゲームを始めます。Shift か Ctrl か Alt を押しながらだと、"
                                    "音楽なしで遊びます。"));
}

void TitleScreenForm::Form_Load() {
    ui::CenterForm(*this);
}

void TitleScreenForm::Form_QueryUnload(int&, int reason) {
    StopMidi();
    if (reason != ui::kCloseFromCode) ui::EndProgram();
}

void TitleScreenForm::Form_MouseMove(int, int, int, int) {
    startLabel->SetBackColor(kStartColour);
}

void TitleScreenForm::AnimationTimer_Timer() {
    KeepMidiPlaying();
    switch (animationStep_) {
        case kTogether: {
            animationStep_ = kSpreading;
            const QPoint home = threes(0).pos();
            QPointer<TitleScreenForm> self(this);
            for (int d = 0; d <= kSpreadTwips; d += kSpreadStepTwips) {
                const int px = ui::ToPixels(d);
                threes(1).move(home - QPoint(px, px));
                threes(2).move(home + QPoint(px, px));
                ui::DoEvents();
                // Start may have been clicked in between: the title is gone, and so is the
                // animation.
                if (!self || self->IsUnloaded()) return;
                ui::Sleep(kFrameMs);
            }
            animationStep_ = kApart;
            break;
        }
        case kApart:
            animationStep_ = kGoingBack;
            break;
        case kGoingBack:
            threes(1).move(threes(0).pos());
            threes(2).move(threes(0).pos());
            animationStep_ = kTogether;
            break;
        default:
            break;
    }
}

void TitleScreenForm::Start_Click() {
    ui::DoEvents();
    animationTimer->SetEnabled(false);
    ui::DoEvents();
    StopMidi();
    // The title stays on screen while the menu opens; it takes no more input.
    setEnabled(false);
    StartMenu->Show();
    Hide();
    TitleScreen.Unload();
}

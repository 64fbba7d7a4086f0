#include "frontend/VelTitle.h"

#include <QPixmap>
#include <QPointer>

#include "core/GameState.h"
#include "frontend/VelStart.h"
#include "media/KV_Midi.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

const QColor kStartColour(0, 128, 128);
const QColor kStartHover(160, 64, 64);
constexpr int kSpreadTwips = 150;
constexpr int kSpreadStepTwips = 5;
constexpr int kFrameMs = 50;
enum AnimationStep : int16_t { kTogether = 0, kSpreading = 1, kApart = 2, kGoingBack = 3 };

ui::Label* MakeThree(QWidget* parent, const QColor& colour) {
    auto* three = new ui::Label(parent, 2400, 960, 975, 1335, QStringLiteral("3"));
    three->setFont(ui::DesignFont(ui::kPMincho, 63.75, true, true));
    three->SetForeColor(colour);
    three->setAttribute(Qt::WA_TransparentForMouseEvents);
    return three;
}

}  // namespace

VelTitleForm::VelTitleForm() {
    SetCaption(QStringLiteral("Korvane 2000 「Velmora 3rd STORY」"));
    SetClientSize(5355, 3135);
    SetBackColor(QColor(0, 153, 153));
    SetPicture(QPixmap(QStringLiteral("Title.png")));
    SetIcon(QStringLiteral("Icon.png"));

    // Created from the bottom of the drawing order up.
    Label3.Add(1, MakeThree(this, QColor(255, 255, 192)));
    Label3.Add(2, MakeThree(this, QColor(255, 192, 128)));
    Label1 = new ui::Label(this, 120, 2520, 3015, 375, story::Q(story::TitleMakerLine()));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->SetForeColor(QColor(255, 192, 192));
    Label1->setFont(ui::DesignFont(ui::kPGothic, 11.25, true, true));
    Label2 = new ui::Label(this, 3360, 2520, 1215, 255, QStringLiteral("S t a r t"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->SetForeColor(Qt::white);
    Label2->SetBackColor(kStartColour);
    Line1.Add(0, new ui::Line(this, 3370, 2790, 4580, 2790, QColor(0, 64, 0), 2));
    Line1.Add(1, new ui::Line(this, 4590, 2520, 4590, 2770, QColor(0, 64, 0), 2));
    Label3.Add(0, MakeThree(this, QColor(255, 255, 0)));
    Label4 = new ui::Label(this, 3360, 1680, 1815, 375, QStringLiteral("rd STORY"));
    Label4->SetForeColor(QColor(255, 255, 128));
    Label4->setFont(ui::DesignFont(ui::kSansSerif, 18));
    Label4->setAttribute(Qt::WA_TransparentForMouseEvents);

    Timer1 = new ui::Timer(this, 7000, true);
    Timer1->onTimer = [this] { Timer1_Timer(); };
    Label2->onMouseMove = [this](int, int, int, int) { Label2->SetBackColor(kStartHover); };
    Label2->onMouseDown = [](int, int shift, int, int) {
        // Held with a modifier, Start silences the music for the whole run.
        if (shift != 0) GameState.musicMuted = true;
    };
    Label2->onClick = [this] { Label2_Click(); };
}

void VelTitleForm::Form_Load() {
    ui::CenterForm(*this);
}

void VelTitleForm::Form_QueryUnload(int&, int reason) {
    StopMidi();
    if (reason != ui::kCloseFromCode) ui::EndProgram();
}

void VelTitleForm::Form_MouseMove(int, int, int, int) {
    Label2->SetBackColor(kStartColour);
}

void VelTitleForm::Timer1_Timer() {
    KeepMidiPlaying();
    switch (animationStep_) {
        case kTogether: {
            animationStep_ = kSpreading;
            const QPoint home = Label3(0).pos();
            QPointer<VelTitleForm> self(this);
            for (int d = 0; d <= kSpreadTwips; d += kSpreadStepTwips) {
                const int px = ui::ToPixels(d);
                Label3(1).move(home - QPoint(px, px));
                Label3(2).move(home + QPoint(px, px));
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
            Label3(1).move(Label3(0).pos());
            Label3(2).move(Label3(0).pos());
            animationStep_ = kTogether;
            break;
        default:
            break;
    }
}

void VelTitleForm::Label2_Click() {
    ui::DoEvents();
    Timer1->SetEnabled(false);
    ui::DoEvents();
    StopMidi();
    VelStart->Show();
    Hide();
    VelTitle.Unload();
}

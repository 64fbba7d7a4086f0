#include "core/VelMain.h"

#include "core/GameState.h"
#include "core/campus.h"
#include "core/clock.h"
#include "core/travel.h"
#include "media/KV_Midi.h"
#include "records/savefile.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

constexpr int kClientWidth = 5700;
constexpr int kClientHeight = 4230;
constexpr int kRaiseAboveCentre = 1200;  // leaves room for the choice dialog below
constexpr int kDialogGap = 50;
constexpr int kMusicKeeperMs = 1000;
constexpr int kWalkFrameMs = 500;

}  // namespace

QString ClockText(int elapsedMinutes) {
    if (elapsedMinutes >= kMinutesUntilClosing) return QStringLiteral("5:00 PM");
    return QStringLiteral("4:%1 PM").arg(30 + elapsedMinutes);
}

VelMainForm::VelMainForm() {
    SetCaption(QStringLiteral("Velmora 3rd STORY"));
    SetClientSize(kClientWidth, kClientHeight);
    SetIcon(QStringLiteral("Icon.png"));

    // Created back to front: the shadow lies beneath the picture, the phone screen above it.
    Shape1 = new ui::Shape(this, 255, 120, 4500, 3015);
    Shape1->SetFill(ui::BgrColor(0x00C00000));
    Shape1->SetBorder(ui::BgrColor(0x00C00000), 1);
    Image1 = new ui::Image(this, 120, 0, 4500, 3000);

    lblClock = new ui::Label(this, 4920, 0, 735, 255, QStringLiteral("4:30 PM"));
    lblClock->setAlignment(Qt::AlignCenter);
    lblClock->SetForeColor(ui::BgrColor(0x00FF0000));
    lblClock->SetBackColor(ui::BgrColor(0x0080C0FF));

    for (int i = 0; i < kLocationCount; ++i) {
        auto* button = new ui::CommandButton(this, 4920, 480 + 360 * i, 735, 255,
                                             QString::fromUtf8(kLocations[i + 1].buttonCaption));
        button->setEnabled(false);
        Command1.Add(i, button);
    }

    const char* walkFrames[] = {"Walk1.png", "Walk2.png"};
    for (int i = 0; i < 2; ++i) {
        auto* frame = new ui::Image(this, 5040, 2880, 480, 480);
        frame->LoadPicture(QString::fromLatin1(walkFrames[i]));
        frame->hide();
        Image2.Add(i, frame);
    }

    Label2 = new ui::Label(this, 120, 3120, 1575, 240);
    Label1 = new ui::Label(this, 120, 3360, 5535, 855);
    Label1->setFont(ui::DesignFont(ui::kPGothic, 9.75));
    Label3 = new ui::Label(this, 3960, 3960, 1575, 230);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label3->SetForeColor(ui::BgrColor(0x000000FF));

    KeitaiGamen = new ui::Label(this, 1800, 720, 855, 950);
    KeitaiGamen->SetBackColor(ui::BgrColor(0x000080FF));
    KeitaiGamen->setFont(ui::DesignFont(ui::kPGothic, 8.25));
    KeitaiGamen->hide();

    KaKushiDummy = new ui::Label(this, 2040, 3165, 495, 195);

    Timer1 = new ui::Timer(this);
    Timer2 = new ui::Timer(this, kMusicKeeperMs, true);
    Timer3 = new ui::Timer(this, kWalkFrameMs, true);

    auto setClickFlag = [] { GameState.clickFlag = true; };
    Image1->onClick = setClickFlag;
    Label1->onClick = setClickFlag;
    Label3->onClick = setClickFlag;
    Command1.ForEach([](int index, ui::CommandButton& button) {
        button.onClick = [index] { StartWalk(index); };
    });
    KaKushiDummy->onMouseDown = [this](int button, int shift, int, int) {
        KaKushiDummy_MouseDown(button, shift);
    };
    Timer1->onTimer = [] { ClockTick(); };
    Timer2->onTimer = [] { KeepMidiPlaying(); };
    Timer3->onTimer = [this] { Timer3_Timer(); };
}

void VelMainForm::Form_Load() {
    ui::CenterForm(*this);
    Move(Left(), Top() - kRaiseAboveCentre);
    GameState.dialogTop = static_cast<int16_t>(Top() + Height() + kDialogGap);
}

void VelMainForm::Form_QueryUnload(int& cancel, int reason) {
    QuitPrompt(cancel, reason);
}

void VelMainForm::Form_KeyPress(int) {
    GameState.clickFlag = true;
}

void VelMainForm::Timer3_Timer() {
    if (GameState.phase != Phase::Walking) {
        Image2(0).hide();
        Image2(1).hide();
        return;
    }
    walkToggle_ = !walkToggle_;
    Image2(0).setVisible(walkToggle_);
    Image2(1).setVisible(!walkToggle_);
}

void VelMainForm::KaKushiDummy_MouseDown(int button, int shift) {
    // A developer's shortcut that advances the clock; it stays out of the opening and of
    // closing time, where a second closing scene would start nested in the first.
    if (button != ui::kRightButton || shift != (ui::kShiftMask | ui::kCtrlMask)) return;
    if (GameState.phase < Phase::Walking || GameState.phase > Phase::PhoneMail) return;
    ClockTick();
}

#include "frontend/LogoDemo.h"

#include <QCoreApplication>

#include "media/sound.h"
#include "ui/accessible.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

struct Stroke {
    int x1, y1, x2, y2;
    QColor colour;
};

const QColor kCyan(0, 255, 255), kGreen(0, 255, 0), kWhite(255, 255, 255), kRed(255, 0, 0),
    kMagenta(255, 0, 255), kYellow(255, 255, 0);

// The studio's mark: a "V" and a "K" inside a double frame, a diamond where they meet, and a
// double underline. Each colour group appears at once.
const Stroke kLogo[] = {
    {1995, 360, 2355, 1020, kCyan},    {2355, 1020, 2715, 360, kCyan},
    {615, 240, 3375, 240, kGreen},     {3375, 240, 3375, 1140, kGreen},
    {3375, 1140, 615, 1140, kGreen},   {615, 1140, 615, 240, kGreen},
    {1035, 360, 1035, 1020, kWhite},   {1035, 690, 1575, 360, kWhite},
    {1155, 615, 1575, 1020, kWhite},   {1785, 450, 1905, 690, kRed},
    {1905, 690, 1785, 930, kRed},      {1785, 930, 1665, 690, kRed},
    {1665, 690, 1785, 450, kRed},      {735, 300, 3255, 300, kMagenta},
    {3255, 300, 3255, 1080, kMagenta}, {3255, 1080, 735, 1080, kMagenta},
    {735, 1080, 735, 300, kMagenta},   {855, 1200, 2655, 1200, kYellow},
    {1095, 1170, 2415, 1170, kYellow},
};

constexpr int kTickMs = 200;
constexpr int kJingleTick = 1, kLastTick = 23, kYearTick = 13;
const QString kJingle = QStringLiteral("KVDEMO.WAV");

}  // namespace

LogoDemoForm::LogoDemoForm() {
    SetCaption(QStringLiteral("Korvane"));
    SetClientSize(3525, 1380);
    SetBackColor(Qt::black);
    SetIcon(QStringLiteral("Icon.png"));
    for (int i = 0; i < static_cast<int>(std::size(kLogo)); ++i) {
        const Stroke& s = kLogo[i];
        strokes.Add(i + 1, new ui::Line(this, s.x1, s.y1, s.x2, s.y2, s.colour, 2));
    }
    yearLabel = new ui::Label(this, 2775, 960, 855, 300, QStringLiteral("2000"));
    yearLabel->SetForeColor(kGreen);
    yearLabel->SetBackColor(Qt::black);
    yearLabel->setFont(ui::DesignFont(ui::kPMincho, 14.25, true));
    sprite = new ui::Image(this, 0, 0, 480, 960);
    spriteFrameA = new ui::Image(this, 4440, 120, 480, 960);
    spriteFrameA->LoadPicture(QStringLiteral("SpriteA.png"));
    spriteFrameB = new ui::Image(this, 5055, 135, 480, 960);
    spriteFrameB->LoadPicture(QStringLiteral("SpriteB.png"));
    ShowWords();
    tickTimer = new ui::Timer(this);
    tickTimer->onTimer = [this] { TickTimer_Timer(); };
}

void LogoDemoForm::ShowWords() {
    ui::Describe(yearLabel, QString(), QCoreApplication::translate("Logo", "ロゴの年。"));
    ui::Describe(sprite, QCoreApplication::translate("Logo", "跳ねるキャラクター"),
                 QCoreApplication::translate(
                     "Logo", "メーカーのロゴ。Shift などを押すとジングルを止めます。"));
}

void LogoDemoForm::Form_Load() {
    ui::CenterForm(*this);
    yearLabel->hide();
    strokes.ForEach([](int, ui::Line& line) { line.hide(); });
    sprite->SetPicture(spriteFrameA->Picture());
    ui::PlaceTwips(sprite, 50, 300, 480, 960);
    tickTimer->SetInterval(kTickMs);
    tickTimer->SetEnabled(true);
}

void LogoDemoForm::ShowStrokes(int first, int last) {
    for (int i = first; i <= last; ++i) strokes(i).show();
}

void LogoDemoForm::ShowSprite(const ui::Image& frame) {
    sprite->hide();
    sprite->SetPicture(frame.Picture());
    sprite->show();
}

void LogoDemoForm::TickTimer_Timer() {
    switch (tick_) {
        case kJingleTick:
            if (!soundOff_) sndPlaySound(kJingle, SND_ASYNC);
            break;
        case 4:
            ShowStrokes(1, 2);
            break;
        case 5:
            ShowStrokes(3, 6);
            break;
        case 6:
            ShowStrokes(7, 9);
            break;
        case 7:
            ShowStrokes(10, 13);
            ShowSprite(*spriteFrameB);
            break;
        case 8:
            ShowStrokes(14, 17);
            ShowSprite(*spriteFrameA);
            break;
        case 9:
            ShowStrokes(18, 19);
            ShowSprite(*spriteFrameB);
            break;
        case kYearTick:
            yearLabel->show();
            break;
        case kLastTick:
            tickTimer->SetInterval(0);
            Hide();
            break;
        default:
            break;
    }
    ++tick_;
}

void LogoDemoForm::Form_KeyDown(int, int shift) {
    if (shift == 0) return;
    // The silent file cuts the jingle off, and a jingle not yet started never starts.
    sndPlaySound(QStringLiteral("Dummy.wav"), SND_ASYNC | SND_NODEFAULT);
    soundOff_ = true;
}

#include "campus/CampusScreen.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

#include "campus/AnswerWindow.h"
#include "campus/HistoryWindow.h"
#include "campus/screenshot.h"
#include "core/GameState.h"
#include "core/clock.h"
#include "core/music.h"
#include "core/places.h"
#include "core/savefile.h"
#include "media/audio.h"
#include "ui/accessible.h"
#include "ui/gametime.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

constexpr int kClientWidth = 5700;
constexpr int kClientHeight = 4230;
constexpr int kRaiseAboveCentre = 1200;  // leaves room for the choice dialog below
constexpr int kDialogGap = 50;
constexpr int kMusicKeeperMs = 1000;
constexpr int kWalkFrameMs = 500;
constexpr int kNoticeMs = 5000;

const QString kGameTitle = QStringLiteral("Velmora 3rd STORY");

// Closing the campus screen offers to save, then ends the program or goes on.
void QuitPrompt(int& cancel, int reason) {
    if (reason == ui::kCloseFromCode) return;
    if (!QuitPromptOffersSave()) {
        ui::MsgBox(QCoreApplication::translate("Campus", "ここではゲームの中断はできません"),
                   ui::vbOKOnly | ui::vbExclamation, QStringLiteral("Velmora"));
        cancel = 1;
        return;
    }
    const QString& br = GameState.lineBreak;
    const int answer = ui::MsgBox(
        QCoreApplication::translate("Campus", "Velmora を終了します。") + br +
            QCoreApplication::translate("Campus",
                                        "次回、続きを遊ぶために、データをセーブしますか？") +
            br + QCoreApplication::translate("Campus", "（セーブしないと次回、続きができません）"),
        ui::vbYesNoCancel | ui::vbExclamation | ui::vbDefaultButton1, kGameTitle);
    if (answer == ui::vbCancel) {
        cancel = 1;
        return;
    }
    if (answer == ui::vbYes) {
        QString problem;
        if (!WriteSave(problem)) {
            // The earlier save stays as it was, and so does the game.
            ui::MsgBox(QCoreApplication::translate("Campus", "セーブできませんでした。") + br +
                           problem + br +
                           QCoreApplication::translate("Campus", "ゲームを続けます。"),
                       ui::vbOKOnly | ui::vbExclamation, kGameTitle);
            cancel = 1;
            return;
        }
    }
    StopMidi();
    ui::EndProgram();
}

}  // namespace

bool QuitPromptOffersSave() {
    // Before the pick there is nothing to resume, and at closing time nothing left to play.
    return CampusScreen.IsLoaded() && GameState.phase != Phase::ClosingTime &&
           GameState.targetHeroine != 0;
}

QFont LineFont() {
    return ui::DesignFont(ui::kPGothic, 9.75);
}

CampusScreenForm::CampusScreenForm() {
    SetCaption(QStringLiteral("Velmora 3rd STORY"));
    SetClientSize(kClientWidth, kClientHeight);
    SetIcon(QStringLiteral("Icon.png"));
    BuildScene();
    BuildSideBar();
    BuildTextArea();
    BuildPhoneAndTimers();
    ConnectEvents();
    for (int i = 1; i < kLocationCount; ++i) setTabOrder(&travelButtons(i - 1), &travelButtons(i));
    DescribeControls();
}

void CampusScreenForm::Form_LanguageChanged() {
    DescribeControls();
    Form::Form_LanguageChanged();
}

// The words written here, accessible ones included: at the start and after a language switch.
void CampusScreenForm::DescribeControls() {
    pauseVeil->SetCaption(QCoreApplication::translate(
        "Campus", "一時停止\n\nクリックするか、\nキーを押すと続きます"));
    if (!promptLabel->Caption().isEmpty())
        promptLabel->SetCaption(QCoreApplication::translate("Campus", "クリックしてください"));
    const QString readOn =
        QCoreApplication::translate("Campus", "クリックするか、キーを押すと先へ進みます。");
    ui::Describe(scenePicture, QCoreApplication::translate("Campus", "場面の絵"),
                 QCoreApplication::translate("Campus", "今いる場面の絵。") + readOn);
    ui::Describe(clockLabel, QString(),
                 QCoreApplication::translate("Campus", "時計。五時に校門が閉まります。"));
    for (int i = 0; i < kLocationCount; ++i) {
        travelButtons(i).setText(PlaceButtonCaption(i + 1));
        DescribeWalk(i, WalkingMinutes(GameState.currentLocation, i + 1));
    }
    walkingFigure.ForEach([](int, ui::Image& frame) {
        ui::Describe(&frame, QCoreApplication::translate("Campus", "歩いている自分"),
                     QCoreApplication::translate("Campus", "移動中のしるし。"));
    });
    ui::Describe(speakerLabel, QString(),
                 QCoreApplication::translate("Campus", "話している人の名前。"));
    ui::Describe(lineLabel, QCoreApplication::translate("Campus", "台詞"),
                 QCoreApplication::translate("Campus", "台詞と地の文。") + readOn);
    ui::Describe(promptLabel, QString(),
                 QCoreApplication::translate("Campus", "クリックを待っている合図。"));
    ui::Describe(phoneScreen, QString(),
                 QCoreApplication::translate("Campus", "携帯電話の画面。親友からのメール。"));
    ui::Describe(pauseVeil, QCoreApplication::translate("Campus", "一時停止"),
                 QCoreApplication::translate(
                     "Campus", "ゲームは止まっています。クリックするか、キーを押すと続きます。"));
}

void CampusScreenForm::DescribeWalk(int index, int minutes) {
    const int place = index + 1;
    QString where = PlaceButtonCaption(place);
    where.remove(QChar(0x3000));  // 校　庭 is spaced out for the button only
    QString walk;
    if (place == GameState.currentLocation)
        walk = QCoreApplication::translate("Campus", "今いる場所です。");
    else if (minutes > 0)
        walk = QCoreApplication::translate("Campus", "ここから歩いて%1分かかります。").arg(minutes);
    else
        walk = QCoreApplication::translate("Campus", "ここからは直接行けません。");
    ui::Describe(&travelButtons(index),
                 QCoreApplication::translate("Campus", "%1へ行く").arg(where),
                 QCoreApplication::translate("Campus", "%1まで歩きます。").arg(where) + walk);
}

void CampusScreenForm::BuildScene() {
    // Created back to front: the shadow lies beneath the picture, the phone screen above it.
    pictureShadow = new ui::Shape(this, 255, 120, 4500, 3015);
    pictureShadow->SetFill(ui::BgrColor(0x00C00000));
    pictureShadow->SetBorder(ui::BgrColor(0x00C00000), 1);
    scenePicture = new ui::Image(this, 120, 0, 4500, 3000);
}

void CampusScreenForm::BuildSideBar() {
    clockLabel = new ui::Label(this, 4920, 0, 735, 255, QStringLiteral("4:30 PM"));
    clockLabel->setAlignment(Qt::AlignCenter);
    clockLabel->SetForeColor(ui::BgrColor(0x00FF0000));
    clockLabel->SetBackColor(ui::BgrColor(0x0080C0FF));

    for (int i = 0; i < kLocationCount; ++i) {
        auto* button =
            new ui::CommandButton(this, 4920, 480 + 360 * i, 735, 255, PlaceButtonCaption(i + 1));
        button->setEnabled(false);
        travelButtons.Add(i, button);
    }

    const char* walkFrames[] = {"Walk1.png", "Walk2.png"};
    for (int i = 0; i < 2; ++i) {
        auto* frame = new ui::Image(this, 5040, 2880, 480, 480);
        frame->LoadPicture(QString::fromLatin1(walkFrames[i]));
        frame->hide();
        walkingFigure.Add(i, frame);
    }
}

void CampusScreenForm::BuildTextArea() {
    speakerLabel = new ui::Label(this, 120, 3120, 1575, 240);
    lineLabel = new ui::Label(this, 120, 3360, 5535, 855);
    lineLabel->setFont(LineFont());
    promptLabel = new ui::Label(this, 3960, 3960, 1575, 230);
    promptLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    promptLabel->SetForeColor(ui::BgrColor(0x000000FF));
}

void CampusScreenForm::BuildPhoneAndTimers() {
    phoneScreen = new ui::Label(this, 1800, 720, 855, 950);
    phoneScreen->SetBackColor(ui::BgrColor(0x000080FF));
    phoneScreen->setFont(ui::DesignFont(ui::kPGothic, 8.25));
    phoneScreen->hide();

    hiddenClockShortcut = new ui::Label(this, 2040, 3165, 495, 195);

    // Over everything, so that no click reaches the game while it is paused. Its words come in
    // short lines, so that they stay over the scene and clear of the places on the right.
    pauseVeil = new ui::Label(this, 0, 0, kClientWidth, kClientHeight);
    pauseVeil->setAlignment(Qt::AlignCenter);
    pauseVeil->SetForeColor(Qt::white);
    pauseVeil->SetBackColor(QColor(0, 0, 48, 170));
    pauseVeil->setFont(ui::DesignFont(ui::kPGothic, 14.25, true));
    pauseVeil->hide();

    minuteTimer = new ui::Timer(this);
    musicKeeper = new ui::Timer(this, kMusicKeeperMs, true);
    walkingTimer = new ui::Timer(this, kWalkFrameMs, true);
    noticeTimer = new ui::Timer(this, kNoticeMs);
}

void CampusScreenForm::ConnectEvents() {
    auto setClickFlag = [] { GameState.clickFlag = true; };
    scenePicture->onClick = setClickFlag;
    lineLabel->onClick = setClickFlag;
    promptLabel->onClick = setClickFlag;
    travelButtons.ForEach([this](int index, ui::CommandButton& button) {
        button.onClick = [this, index] {
            if (onTravel) onTravel(index);
        };
    });
    hiddenClockShortcut->onMouseDown = [this](int button, int shift, int, int) {
        HiddenClockShortcut_MouseDown(button, shift);
    };
    minuteTimer->onTimer = [this] {
        if (onMinute) onMinute();
    };
    musicKeeper->onTimer = [] { KeepMidiPlaying(); };
    walkingTimer->onTimer = [this] { StepWalkingFigure(); };
    noticeTimer->onTimer = [this] { EndNotice(); };
    // The wheel turned up over the text reads back the day's lines.
    auto readBack = [this](int delta) {
        if (HistoryWindow.IsLoaded())
            HistoryWindow->Turn(delta);
        else if (delta > 0)
            OpenHistory(*this);
    };
    speakerLabel->onMouseWheel = readBack;
    lineLabel->onMouseWheel = readBack;
    pauseVeil->onClick = [this] { Resume(); };
}

void CampusScreenForm::Pause() {
    if (paused_) return;
    paused_ = true;
    ui::Timer::HoldAll(true);
    media::PauseSound(true);
    // The question waits unseen: a pause is no time to read the answers.
    answerWasShown_ = AnswerWindow.IsLoaded() && AnswerWindow->isVisible();
    if (answerWasShown_) AnswerWindow->Hide();
    pauseVeil->show();
    pauseVeil->raise();
}

void CampusScreenForm::Resume() {
    if (!paused_) return;
    paused_ = false;
    pauseVeil->hide();
    if (answerWasShown_ && AnswerWindow.IsLoaded()) AnswerWindow->Show();
    answerWasShown_ = false;
    media::PauseSound(false);
    ui::Timer::HoldAll(false);
}

void CampusScreenForm::changeEvent(QEvent* event) {
    ui::Form::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) Pause();
}

void CampusScreenForm::Form_Load() {
    PlaceOnScreen();
}

int LargestFittingScale(const QRect& screen, const QRect& available, const QMargins& frame) {
    for (int scale = ui::kMaxScale; scale > 1; --scale) {
        const auto px = [scale](int twips) {
            return static_cast<int>(std::lround(twips * scale / double(ui::kTwipsPerPixel)));
        };
        // Where PlaceOnScreen puts the two windows at this scale.
        const int frames = frame.top() + frame.bottom();
        const int campusHeight = px(kClientHeight) + frames;
        const int top = screen.top() + (screen.height() - campusHeight) / 2 - px(kRaiseAboveCentre);
        const int bottom = top + campusHeight + px(kDialogGap) + px(kAnswerWindowHeight) + frames;
        const int width =
            std::max(px(kClientWidth), px(kAnswerWindowWidth)) + frame.left() + frame.right();
        if (top >= available.top() && bottom <= available.bottom() + 1 &&
            width <= available.width())
            return scale;
    }
    return 1;
}

// Centred and raised by its outer size, with the answer window's top just below its outer
// bottom edge.
void CampusScreenForm::PlaceOnScreen() {
    ui::CenterForm(*this, kRaiseAboveCentre);
    GameState.dialogTop = static_cast<int16_t>(Top() + Height() + kDialogGap);
}

void CampusScreenForm::Form_OuterSizeChanged() {
    PlaceOnScreen();
    if (AnswerWindow.IsLoaded()) AnswerWindow->PlaceBelowCampus();
}

void CampusScreenForm::Form_QueryUnload(int& cancel, int reason) {
    QuitPrompt(cancel, reason);
}

void CampusScreenForm::Form_KeyPress(int) {
    GameState.clickFlag = true;
}

// Up reads back the day's lines and F12 takes a screenshot. Neither is a click: a line waiting
// for one goes on waiting.
void CampusScreenForm::Form_KeyDown(int keyCode, int) {
    if (keyCode == Qt::Key_Up) OpenHistory(*this);
    if (keyCode == Qt::Key_F12) ShowNotice(SaveScreenshot(*this));
}

bool CampusScreenForm::AtClickWait() {
    const QStringList waits = ui::RunningWaits();
    return !waits.isEmpty() && waits.last() == QLatin1String("WaitForClick");
}

bool CampusScreenForm::Form_KeyPreview(int keyCode, int keyAscii) {
    // The key that ends a pause does nothing else.
    const bool modifierOnly = keyCode == Qt::Key_Shift || keyCode == Qt::Key_Control ||
                              keyCode == Qt::Key_Alt || keyCode == Qt::Key_Meta;
    if (paused_) {
        if (!modifierOnly) Resume();
        return true;
    }
    // Taken before a travel button would move the keyboard with Up.
    if (keyCode == Qt::Key_Up || keyCode == Qt::Key_F12) {
        Form_KeyDown(keyCode, 0);
        return true;
    }
    // While a line waits for its click, every character key reads on, even with a travel button
    // focused: Backspace, Esc and Ctrl with a letter too. P never gets here; it pauses.
    if (!AtClickWait() || keyAscii == 0) return false;
    GameState.clickFlag = true;
    return true;
}

void CampusScreenForm::ShowNotice(const QString& notice) {
    if (lineLabel->Caption() != notice_) {
        noticedSpeaker_ = speakerLabel->Caption();
        noticedLine_ = lineLabel->Caption();
    }
    notice_ = notice;
    speakerLabel->SetCaption(QString());
    lineLabel->SetCaption(notice);
    noticeTimer->SetEnabled(true);
    noticeTimer->SetInterval(kNoticeMs);  // a second notice gets its own few seconds
}

void CampusScreenForm::EndNotice() {
    noticeTimer->SetEnabled(false);
    if (lineLabel->Caption() != notice_) return;
    speakerLabel->SetCaption(noticedSpeaker_);
    lineLabel->SetCaption(noticedLine_);
}

void CampusScreenForm::StepWalkingFigure() {
    if (GameState.phase != Phase::Walking) {
        walkingFigure(0).hide();
        walkingFigure(1).hide();
        return;
    }
    leftFoot_ = !leftFoot_;
    walkingFigure(0).setVisible(leftFoot_);
    walkingFigure(1).setVisible(!leftFoot_);
}

void CampusScreenForm::HiddenClockShortcut_MouseDown(int button, int shift) {
    // A developer's shortcut that advances the clock; it stays out of the opening and of
    // closing time, where a second closing scene would start nested in the first.
    if (button != ui::kRightButton || shift != (ui::kShiftMask | ui::kCtrlMask)) return;
    if (GameState.phase < Phase::Walking || GameState.phase > Phase::PhoneMail) return;
    if (onMinute) onMinute();
}

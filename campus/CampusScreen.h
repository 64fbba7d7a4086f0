#pragma once

#include <functional>

#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/controls.h"

// The largest game scale at which the campus screen, with the choice dialog below it, fits on
// the available area of a screen, where each window has `frame` around it.
int LargestFittingScale(const QRect& screen, const QRect& available, const QMargins& frame);

// The font of the text line, which carries the longest lines with the player's names.
QFont LineFont();

// The campus screen: the whole thirty minutes are played here.
class CampusScreenForm : public ui::Form {
  public:
    CampusScreenForm();

    ui::Shape* pictureShadow;
    ui::Image* scenePicture;
    ui::Label* clockLabel;
    ui::ControlArray<ui::CommandButton> travelButtons;
    ui::ControlArray<ui::Image> walkingFigure;
    ui::Label* speakerLabel;
    ui::Label* lineLabel;
    ui::Label* promptLabel;
    ui::Label* phoneScreen;
    ui::Label* hiddenClockShortcut;
    ui::Label* pauseVeil;
    ui::Timer* minuteTimer;
    ui::Timer* musicKeeper;
    ui::Timer* walkingTimer;
    ui::Timer* noticeTimer;

    // The game's procedures behind the controls, handed down by the session that plays here:
    // a minute of the clock, a walk to place index + 1, and what five o'clock plays.
    std::function<void()> onMinute;
    std::function<void(int)> onTravel;
    std::function<void()> onClosingTime;

    // A pause stops the game where it stands: the clock, the walk, the music and the sound, and
    // hides the choice dialog. Any key or click on the campus screen ends it, and counts for
    // nothing else.
    void Pause();
    void Resume();
    bool Paused() const { return paused_; }

    // At a click wait Esc reads on, in full screen too; F11 still leaves full screen.
    bool WantsEscape() const override { return AtClickWait(); }

    // Tells a screen reader where the travel button to place index + 1 leads, and how far it is
    // from here: `minutes` of walk, 0 when no path joins them.
    void DescribeWalk(int index, int minutes);

    // Shows a word from the game itself, such as where a screenshot went, on the text line for
    // a few seconds of game time; then the line the player was reading comes back, unless the
    // game has shown another meanwhile.
    void ShowNotice(const QString& notice);

  protected:
    void Form_Load() override;
    void Form_OuterSizeChanged() override;
    void Form_QueryUnload(int& cancel, int reason) override;
    void Form_KeyPress(int keyAscii) override;
    bool Form_KeyPreview(int keyCode, int keyAscii) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_LanguageChanged() override;

  private:
    static bool AtClickWait();
    void PlaceOnScreen();
    void BuildScene();
    void BuildSideBar();
    void BuildTextArea();
    void BuildPhoneAndTimers();
    void ConnectEvents();
    void DescribeControls();
    void StepWalkingFigure();
    void HiddenClockShortcut_MouseDown(int button, int shift);
    void changeEvent(QEvent* event) override;
    void EndNotice();

    bool leftFoot_ = false;
    bool paused_ = false;
    bool answerWasShown_ = false;
    QString notice_;
    QString noticedSpeaker_, noticedLine_;  // what the notice covers
};

inline ui::DefaultInstance<CampusScreenForm> CampusScreen;

// Whether closing the campus screen now would offer to save the game.
bool QuitPromptOffersSave();

#pragma once

#include <cstdint>

#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/controls.h"

// The maker's logo demo: strokes appear group by group, a sprite hops, a jingle plays.
class LogoDemoForm : public ui::Form {
  public:
    LogoDemoForm();

    ui::ControlArray<ui::Line> strokes;  // strokes 1 to 19
    ui::Label* yearLabel;
    ui::Image* sprite;
    ui::Image* spriteFrameA;
    ui::Image* spriteFrameB;
    ui::Timer* tickTimer;

    bool SoundOff() const { return soundOff_; }

  protected:
    void Form_Load() override;
    void Form_LanguageChanged() override {
        ShowWords();
        Form::Form_LanguageChanged();
    }
    void ShowWords();
    void Form_KeyDown(int keyCode, int shift) override;

  private:
    void TickTimer_Timer();
    void ShowStrokes(int first, int last);
    void ShowSprite(const ui::Image& frame);

    int16_t tick_ = 0;
    bool soundOff_ = false;
};

inline ui::DefaultInstance<LogoDemoForm> LogoDemo;

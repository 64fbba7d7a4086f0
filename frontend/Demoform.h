#pragma once

#include <cstdint>

#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/controls.h"

// The maker's logo demo: strokes appear group by group, a sprite hops, a jingle plays.
class DemoformForm : public ui::Form {
  public:
    DemoformForm();

    ui::ControlArray<ui::Line> Line1;  // strokes 1 to 19
    ui::Label* Label1;
    ui::Image* Image1;
    ui::Image* Image2;
    ui::Image* Image3;
    ui::Timer* Timer1;

    bool SoundOff() const { return soundOff_; }

  protected:
    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;

  private:
    void Timer1_Timer();
    void ShowStrokes(int first, int last);
    void ShowSprite(const ui::Image& frame);

    int16_t tick_ = 0;
    bool soundOff_ = false;
};

inline ui::DefaultInstance<DemoformForm> Demoform;

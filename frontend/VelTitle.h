#pragma once

#include <cstdint>

#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/controls.h"

// The title: the picture, a big "3" whose two coloured copies slide apart and back, and Start.
class VelTitleForm : public ui::Form {
  public:
    VelTitleForm();

    ui::Label* Label4;
    ui::ControlArray<ui::Label> Label3;
    ui::ControlArray<ui::Line> Line1;
    ui::Label* Label2;
    ui::Label* Label1;
    ui::Timer* Timer1;

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int reason) override;
    void Form_MouseMove(int button, int shift, int x, int y) override;

  private:
    void Timer1_Timer();
    void Label2_Click();

    int16_t animationStep_ = 0;
};

inline ui::DefaultInstance<VelTitleForm> VelTitle;

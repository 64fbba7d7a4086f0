#pragma once

#include <cstdint>

#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/controls.h"

// The staff roll: ten timed screens of credits and pictures, then the window closes itself.
class VelEndingForm : public ui::Form {
  public:
    VelEndingForm();

    ui::Image* Image1;
    ui::Shape* Shape1;
    ui::Label* Label1;
    ui::Label* Label2;
    ui::Timer* Timer1;

    int16_t RollStep() const { return rollStep_; }

  protected:
    void Form_Load() override;

  private:
    void Timer1_Timer();
    void Label2_DblClick();
    void ShowPicture(const QString& code);

    int16_t rollStep_ = 0;
};

inline ui::DefaultInstance<VelEndingForm> VelEnding;

#pragma once

#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/controls.h"

// The campus screen: the whole thirty minutes are played here.
class VelMainForm : public ui::Form {
  public:
    VelMainForm();

    ui::Shape* Shape1;
    ui::Image* Image1;
    ui::Label* lblClock;
    ui::ControlArray<ui::CommandButton> Command1;
    ui::ControlArray<ui::Image> Image2;
    ui::Label* Label2;
    ui::Label* Label1;
    ui::Label* Label3;
    ui::Label* KeitaiGamen;
    ui::Label* KaKushiDummy;
    ui::Timer* Timer1;
    ui::Timer* Timer2;
    ui::Timer* Timer3;

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int reason) override;
    void Form_KeyPress(int keyAscii) override;

  private:
    void Timer3_Timer();
    void KaKushiDummy_MouseDown(int button, int shift);

    bool walkToggle_ = false;
};

inline ui::DefaultInstance<VelMainForm> VelMain;

// "4:31 PM" and so on; "5:00 PM" from the thirtieth minute on.
QString ClockText(int elapsedMinutes);

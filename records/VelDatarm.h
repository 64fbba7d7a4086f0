#pragma once

#include <cstdint>

#include "ui/Form.h"
#include "ui/controls.h"

// The data room: the heroines won so far, in the order first won, with the endings reached.
class VelDatarmForm : public ui::Form {
  public:
    VelDatarmForm();

    ui::Label* Label1;
    ui::Image* Image1;
    ui::Label* Label2;
    ui::ControlArray<ui::Image> Image2;  // rows 0 to 8: icon at i, variant mark at 10 + i
    ui::ControlArray<ui::Label> Label3;  // rows 0 to 8: names
    ui::ControlArray<ui::Image> Image3;  // heroine k's icon at k - 1, never shown
    ui::ControlArray<ui::Image> Image4;  // 0 the confession mark, 1 the mutual-love mark
    ui::ControlArray<ui::Label> Label4;
    ui::Shape* Shape1;
    ui::Label* Label5;
    ui::CommandButton* Command1;
    ui::CommandButton* Command2;
    ui::CommandButton* Command3;

  protected:
    void Form_Load() override;

  private:
    void Command2_Click();
    void Command3_Click();
    void Image2_MouseDown(int shift);
    void Image2_DblClick(int index);

    int16_t replayMode_ = 0;
};

inline ui::DefaultInstance<VelDatarmForm> VelDatarm;

#pragma once

#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/controls.h"

// The start menu: the album friend offers a new game, the saved game or the data room.
class VelStartForm : public ui::Form {
  public:
    VelStartForm();

    ui::ControlArray<ui::Image> Image1;
    ui::Shape* Shape1;
    ui::Label* Serif;
    ui::ControlArray<ui::Label> Label1;
    ui::Panel* Picture1;
    ui::Label* Label2;
    ui::TextBox* Text1;
    ui::Label* Label3;
    ui::TextBox* Text2;
    ui::CommandButton* OKBUTTON;
    ui::CommandButton* LOADOK;
    ui::Label* Label4;
    ui::Timer* Timer1;

    // Writes the greeting of the hour into the speech balloon.
    void Section1();

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int reason) override;
    void Form_MouseMove(int button, int shift, int x, int y) override;

  private:
    void Label1_Click(int index);
    void Label1_MouseMove(int index);
    void OKBUTTON_Click();
    void LOADOK_Click();
    void ShowEntries(bool visible);

    bool repainted_ = false;
};

inline ui::DefaultInstance<VelStartForm> VelStart;

// "よう！", "おはよう！" or "こんにちは！" by the hour of the day.
QString GreetingForHour(int hour);

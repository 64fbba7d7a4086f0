#pragma once

#include <cstdint>

#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/controls.h"

// The title: the picture, a big "3" whose two coloured copies slide apart and back, and Start.
class TitleScreenForm : public ui::Form {
  public:
    TitleScreenForm();

    ui::Label* rdStoryLabel;
    ui::ControlArray<ui::Label> threes;
    ui::ControlArray<ui::Line> startShadow;
    ui::Label* startLabel;
    ui::Label* makerLabel;
    ui::Timer* animationTimer;

  protected:
    void Form_Load() override;
    void Form_LanguageChanged() override {
        ShowWords();
        Form::Form_LanguageChanged();
    }
    void Form_QueryUnload(int& cancel, int reason) override;
    void Form_MouseMove(int button, int shift, int x, int y) override;

  private:
    void ShowWords();
    void AnimationTimer_Timer();
    void Start_Click();

    int16_t animationStep_ = 0;
};

inline ui::DefaultInstance<TitleScreenForm> TitleScreen;

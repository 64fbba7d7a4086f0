#pragma once

#include <cstdint>

#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/controls.h"

// The staff roll: ten timed screens of credits and pictures, then the window closes itself.
class StaffRollForm : public ui::Form {
  public:
    StaffRollForm();

    ui::Image* rollPicture;
    ui::Shape* frame;
    ui::Label* roleLabel;
    ui::Label* creditsLabel;
    ui::Timer* stepTimer;

    int16_t RollStep() const { return rollStep_; }

  protected:
    void Form_Load() override;
    void Form_LanguageChanged() override;

  private:
    void ShowWords();
    void StepTimer_Timer();
    void Credits_DblClick();
    void ShowPicture(const QString& code);

    int16_t rollStep_ = 0;
    QString pictureCode_;  // the picture shown now
};

inline ui::DefaultInstance<StaffRollForm> StaffRoll;

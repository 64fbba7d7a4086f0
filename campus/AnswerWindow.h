#pragma once

#include "ui/Form.h"
#include "ui/controls.h"

// How many of a conversation's candidate lines the player is offered.
inline constexpr int kOfferedLines = 5;

// The choice dialog: the five lines the player may answer with, just below the campus screen.
class AnswerWindowForm : public ui::Form {
  public:
    AnswerWindowForm();

    ui::Label* promptLabel;
    ui::ControlArray<ui::CommandButton> answerButtons;

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int reason) override;
};

inline ui::DefaultInstance<AnswerWindowForm> AnswerWindow;

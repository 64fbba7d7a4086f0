#pragma once

#include "ui/Form.h"
#include "ui/controls.h"

// How many of a conversation's candidate lines the player is offered.
inline constexpr int kOfferedLines = 5;
inline constexpr int kAnswerWindowWidth = 7515;  // twips, inside the frame
inline constexpr int kAnswerWindowHeight = 2070;

// The choice dialog: the five lines the player may answer with, just below the campus screen.
class AnswerWindowForm : public ui::Form {
  public:
    AnswerWindowForm();

    ui::Label* promptLabel;
    ui::ControlArray<ui::CommandButton> answerButtons;

    // Names each answer by its line, and has a screen reader hear the prompt with all five.
    void AnnounceLines();

    // Centred across the screen, its top at the campus screen's dialogTop.
    void PlaceBelowCampus();
    void ShowWords();

  protected:
    void Form_Load() override { PlaceBelowCampus(); }
    void Form_LanguageChanged() override {
        ShowWords();
        // The answers' own names, which the words above put back to "返事1" and so on.
        if (!answerButtons(0).text().isEmpty()) AnnounceLines();
        Form::Form_LanguageChanged();
    }
    void Form_OuterSizeChanged() override { PlaceBelowCampus(); }
    void Form_QueryUnload(int& cancel, int reason) override;
};

inline ui::DefaultInstance<AnswerWindowForm> AnswerWindow;

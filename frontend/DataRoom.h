#pragma once

#include <array>
#include <cstdint>

#include "ui/Form.h"
#include "ui/controls.h"

// The data room: the heroines won so far, in the order first won, with the endings reached.
class DataRoomForm : public ui::Form {
  public:
    DataRoomForm();

    ui::Label* titleLabel;
    ui::Image* iconPicture;
    ui::Label* listTitleLabel;
    ui::ControlArray<ui::Image> rowPictures;   // rows 0 to 8: icon at i, variant mark at 10 + i
    ui::ControlArray<ui::Label> rowNames;      // rows 0 to 8: names
    ui::ControlArray<ui::Image> heroineIcons;  // heroine k's icon at k - 1, never shown
    ui::ControlArray<ui::Image> markPictures;  // 0 the confession mark, 1 the mutual-love mark
    ui::ControlArray<ui::Label> markLabels;
    ui::Shape* legendFrame;
    ui::Label* helpLabel;
    ui::CommandButton* backButton;
    ui::CommandButton* clearButton;
    ui::CommandButton* optionButton;

    // The player asked to see a won ending again; the game record is set up for it.
    bool ReplayChosen() const { return replayChosen_; }

  protected:
    void Form_Load() override;
    void Form_LanguageChanged() override;

  private:
    void BuildRows();
    void BuildLegend();
    void BuildButtons();
    // The words written here, in the player's language: at the start and after a switch.
    void ShowWords();
    void ClearButton_Click();
    void OptionButton_Click();
    void Row_MouseDown(int shift);
    void Row_DblClick(int index);

    std::array<int, 9> rowHeroine_{};  // the heroine in each row; 0 for none
    std::array<int, 9> rowMark_{};     // its mark's index in markPictures; -1 for none
    int16_t replayMode_ = 0;
    bool replayChosen_ = false;
};

inline ui::DefaultInstance<DataRoomForm> DataRoom;

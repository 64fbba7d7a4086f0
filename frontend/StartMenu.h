#pragma once

#include <functional>

#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/controls.h"

// The start menu: the album friend offers a new game, the saved game or the data room.
class StartMenuForm : public ui::Form {
  public:
    StartMenuForm();

    ui::ControlArray<ui::Image> friendPicture;
    ui::Shape* balloonShape;
    ui::Label* balloonLabel;
    ui::ControlArray<ui::Label> entries;
    ui::Panel* namePanel;
    ui::Label* familyNameLabel;
    ui::TextBox* familyNameBox;
    ui::Label* givenNameLabel;
    ui::TextBox* givenNameBox;
    ui::CommandButton* nameOkButton;
    ui::CommandButton* loadOkButton;
    ui::CommandButton* settingsButton;
    ui::Label* captionLabel;
    ui::Timer* musicKeeper;

    // Writes the greeting of the hour into the speech balloon.
    void ShowGreeting();

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int reason) override;
    void Form_MouseMove(int button, int shift, int x, int y) override;
    void Form_LanguageChanged() override;

  private:
    void BuildFriend();
    void BuildEntries();
    void BuildNamePanel();
    void BuildLoadAndMusic();
    void Entry_Click(int index);
    void Entry_MouseMove(int index);
    void NameOk_Click();
    void LoadOk_Click();
    void ShowEntries(bool visible);
    void BeginPlay(bool resumed);
    [[noreturn]] void ReplayEnding();
    // The words written here, in the player's language: at the start and after a switch.
    void ShowWords();
    // The friend says `words`, and says them again in the new language after a switch.
    void SayInBalloon(std::function<QString()> words);

    std::function<QString()> balloonWords_;

    bool repainted_ = false;
};

inline ui::DefaultInstance<StartMenuForm> StartMenu;

// "よう！", "おはよう！" or "こんにちは！" by the hour of the day.
QString GreetingForHour(int hour);

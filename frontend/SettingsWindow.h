#pragma once

#include <array>

#include <QCheckBox>
#include <QComboBox>
#include <QSlider>

#include "frontend/comfort.h"
#include "ui/Form.h"
#include "ui/controls.h"

// 設定: the player's comforts, each taking effect at once and kept as it changes.
class SettingsWindowForm : public ui::Form {
  public:
    SettingsWindowForm();

    QSlider* musicVolume;
    QCheckBox* musicMute;
    QSlider* effectVolume;
    QCheckBox* effectMute;
    QComboBox* scaleChoice;  // "画面に合わせる", then 1 to kMaxScale
    QComboBox* soundfontChoice;
    QComboBox* languageChoice;  // 日本語, English
    QCheckBox* fullScreenBox;
    QCheckBox* voicingBox;  // 自動読み上げ
    ui::CommandButton* closeButton;

    // Sets the controls to `comforts` without acting on them.
    void ShowComforts(const Comforts& comforts);
    bool WantsEscape() const override { return true; }

  protected:
    void Form_Load() override;
    void Form_LanguageChanged() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    static constexpr int kRows = 5;
    void ShowWords();
    void Changed();           // the player changed a control: keep it all, and make it so
    QStringList soundfonts_;  // beside soundfontChoice's entries; the first is the system's
    bool showing_ = false;
    std::array<ui::Label*, kRows> rowLabels_{};
};

inline ui::DefaultInstance<SettingsWindowForm> SettingsWindow;

// The settings window, from the start menu or F10; on the campus screen it pauses the game.
void OpenSettings();

#pragma once

#include "ui/Form.h"
#include "ui/controls.h"

// The graduation album at the next class's page: the player picks the girl he is looking for.
class GraduationAlbumForm : public ui::Form {
  public:
    GraduationAlbumForm();

    ui::Shape* pageFrame;
    ui::Label* messageLabel;
    ui::ControlArray<ui::Image> photos;  // invisible hit regions over the photos
    ui::Shape* pickFrame;                // rings the photo picked while he makes up his mind

  protected:
    void Form_Load() override;
    void Form_LanguageChanged() override;

  private:
    void ShowWords();
    void Photo_MouseMove(int index);
    void Photo_Click(int index);

    int lastHovered_ = -1;
};

inline ui::DefaultInstance<GraduationAlbumForm> GraduationAlbum;

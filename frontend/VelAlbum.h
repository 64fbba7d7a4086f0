#pragma once

#include "ui/Form.h"
#include "ui/controls.h"

// The graduation album at the next class's page: the player picks the girl he is looking for.
class VelAlbumForm : public ui::Form {
  public:
    VelAlbumForm();

    ui::Shape* Shape1;
    ui::Label* Label1;
    ui::ControlArray<ui::Image> Image1;  // invisible hit regions over the photos

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int reason) override;

  private:
    void Image1_MouseMove(int index);
    void Image1_Click(int index);

    int lastHovered_ = -1;
};

inline ui::DefaultInstance<VelAlbumForm> VelAlbum;

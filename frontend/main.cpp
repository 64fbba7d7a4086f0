#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/campus.h"
#include "conversation/presenter.h"
#include "media/audio.h"
#include "ui/application.h"

int main(int argc, char** argv) {
    ui::Application app(argc, argv);
    media::StartAudio();
    // Until the front door is built, the game opens straight onto the campus at 4:31 PM.
    GameState.lineBreak = QStringLiteral("\r\n");
    VelMain->Show();
    GameState.currentLocation = 3;
    GameState.elapsedMinutes = 1;
    ShowLine(LocationPictureCode(3),
             QStringLiteral("さて、初めはどこに行こうかな。それとも、ここにじっとしていようか…"),
             QString());
    VelMain->Timer1->SetEnabled(true);
    VelMain->Timer1->SetInterval(60000);
    GameState.phase = Phase::Idle;
    VelMain->lblClock->SetCaption(ClockText(GameState.elapsedMinutes));
    UpdateTravelButtons();
    return app.exec();
}

#include "frontend/Main.h"
#include "media/audio.h"
#include "ui/application.h"

int main(int argc, char** argv) {
    ui::Application app(argc, argv);
    media::StartAudio();
    Main();
    // The program ends from inside the game, never by leaving this loop.
    return app.exec();
}

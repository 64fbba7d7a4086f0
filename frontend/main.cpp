#include <ctime>

#include "core/GameState.h"
#include "core/random.h"
#include "core/session.h"
#include "media/audio.h"
#include "ui/application.h"

int main(int argc, char** argv) {
    ui::Application app(argc, argv);
    media::StartAudio();
    // Until the front door is built, a new game starts at once with a fixed player.
    Randomize(static_cast<uint32_t>(std::time(nullptr)));
    GameState.lineBreak = QStringLiteral("\r\n");
    GameState.familyName = QStringLiteral("山田");
    GameState.givenName = QStringLiteral("太郎");
    for (int h = 1; h <= kCampusHeroines; ++h) {
        GameState.affection[static_cast<size_t>(h)] = static_cast<int16_t>(Rnd() * 5);
        GameState.metStage[static_cast<size_t>(h)] = 0;
    }
    StartSession(false);
    return app.exec();
}

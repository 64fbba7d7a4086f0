#include "endings/epilogue.h"

#include "conversation/presenter.h"
#include "core/GameState.h"
#include "records/clearrecord.h"
#include "records/savefile.h"
#include "story/story.h"
#include "story/text.h"

namespace {}  // namespace

void PlayEpilogue() {
    GameRecord& g = GameState;
    if (SaveExists()) DeleteSave();
    ShowLine(QStringLiteral("C380D"), story::Q(story::EpilogueCommonLine()), QString());
    WaitForClick();
    const QString name = story::Q(story::HeroineName(g.endingHeroine));
    for (const story::ScriptLine& line : story::Epilogue(g.endingHeroine)) {
        ShowLine(QString(), story::Q(line.text).replace(story::Q(story::kGivenName), g.givenName),
                 line.speaker == story::Speaker::Heroine ? name : QString());
        WaitForClick();
    }
    RecordClear();
}

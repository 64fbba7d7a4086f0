#include "campus/retell.h"

#include <optional>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "campus/presenter.h"
#include "campus/walks.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/places.h"
#include "story/counterpart.h"
#include "ui/language.h"

namespace {

// The heroine's reply on the screen, found among the replies to the lines he was offered.
std::optional<QString> ReplyCounterpart(const QString& shown, ui::Language to) {
    const GameRecord& g = GameState;
    if (g.pendingConversation.isEmpty()) return std::nullopt;
    for (const ui::Language from : {ui::Language::Japanese, ui::Language::English}) {
        if (from == to) continue;
        for (int k = 1; k <= kOfferedLines; ++k) {
            const int code = g.offeredCodes[static_cast<size_t>(k)];
            conversation::DataProblem problem;
            const auto before = conversation::ReadReply(g.pendingConversation, code, problem, from);
            if (!before || conversation::WithFamilyName(before->text, g.familyName) != shown)
                continue;
            const auto after = conversation::ReadReply(g.pendingConversation, code, problem, to);
            if (after) return conversation::WithFamilyName(after->text, g.familyName);
        }
    }
    return std::nullopt;
}

// The campus lines written in code rather than in the story tables.
constexpr const char* kCodeLines[] = {
    QT_TRANSLATE_NOOP("Campus",
                      "着いたけど、誰もいないようだ。誰か来るまで待っていようかな。"
                      "それとも、他の場所に行こうか。"),
    QT_TRANSLATE_NOOP("Campus",
                      "さて、初めはどこに行こうかな。それとも、ここにじっとしていようか…"),
    QT_TRANSLATE_NOOP("Campus", "さて、どこに行こうかな。"),
    QT_TRANSLATE_NOOP("Campus",
                      "しゃべらずに無視をしていたら、彼女は行ってしまった。悪いことをしたな。"),
    QT_TRANSLATE_NOOP("Campus", "彼女は用事を思い出したらしく、どこかへ行ってしまった。"),
};

std::optional<QString> CodeLineCounterpart(const QString& shown, ui::Language to) {
    for (const ui::Language from : {ui::Language::Japanese, ui::Language::English}) {
        if (from == to) continue;
        for (const char* line : kCodeLines)
            if (ui::TextIn(from, "Campus", line) == shown) return ui::TextIn(to, "Campus", line);
        if (GameState.phase == Phase::Walking && WalkingLine(from) == shown) return WalkingLine(to);
        if (GameState.phase == Phase::ClosingTime) {
            if (CallFromBehind(from) == shown) return CallFromBehind(to);
            if (CallerFromBehind(from) == shown) return CallerFromBehind(to);
        }
    }
    return std::nullopt;
}

QString Retold(const QString& shown, bool mayBeReply) {
    const ui::Language to = ui::CurrentLanguage();
    if (auto story = story::Counterpart(shown, to, GameState.familyName, GameState.givenName))
        return *story;
    if (mayBeReply) {
        if (auto reply = ReplyCounterpart(shown, to)) return *reply;
        if (auto line = CodeLineCounterpart(shown, to)) return *line;
    }
    return shown;
}

QString RetoldCaption(const QString& shown) {
    const ui::Language to = ui::CurrentLanguage();
    for (const ui::Language from : {ui::Language::Japanese, ui::Language::English}) {
        if (from == to) continue;
        if (WalkingCaption(from) == shown) return WalkingCaption(to);
        for (int place = 1; place <= kLocationCount; ++place) {
            const char* caption = kLocations[static_cast<size_t>(place)].arrivalCaption;
            if (ui::TextIn(from, "Places", caption) == shown)
                return ui::TextIn(to, "Places", caption);
        }
    }
    return shown;
}

}  // namespace

QString CallFromBehind(ui::Language language) {
    // Kazumi, the fan club's leader, calls him Senpai; the others call him by his family name.
    constexpr int kFanClubLeader = 7;
    const QString call = ui::TextIn(language, "Closing",
                                    GameState.endingHeroine == kFanClubLeader
                                        ? QT_TRANSLATE_NOOP("Closing", "%1先輩…")
                                        : QT_TRANSLATE_NOOP("Closing", "%1君…"));
    return call.contains(QLatin1String("%1")) ? call.arg(GameState.familyName) : call;
}

QString CallerFromBehind(ui::Language language) {
    return ui::TextIn(language, "Closing", QT_TRANSLATE_NOOP("Closing", "女の子の声"));
}

void RetellCampusScreen() {
    if (!CampusScreen.IsLoaded()) return;
    CampusScreenForm& screen = *CampusScreen;
    screen.SetCaption(RetoldCaption(screen.Caption()));
    RenameScenePicture();
    const QString speaker = screen.speakerLabel->Caption();
    const auto caller = CodeLineCounterpart(speaker, ui::CurrentLanguage());
    screen.speakerLabel->SetCaption(caller ? *caller : Retold(speaker, false));
    screen.lineLabel->SetCaption(Retold(screen.lineLabel->Caption(), true));
    screen.phoneScreen->SetCaption(Retold(screen.phoneScreen->Caption(), false));
    AnnounceLine();
    RetellAnswers();
}

void RetellAnswers() {
    if (!AnswerWindow.IsLoaded()) return;
    for (int i = 0; i < kOfferedLines; ++i) {
        conversation::DataProblem problem;
        // A line the other file lacks keeps its old words: the answer still means the same.
        if (const auto line = conversation::ReadPlayerLine(
                GameState.offeredCodes[static_cast<size_t>(i + 1)], problem))
            AnswerWindow->answerButtons(i).setText(
                conversation::WithFamilyName(*line, GameState.familyName));
    }
    AnswerWindow->AnnounceLines();
}

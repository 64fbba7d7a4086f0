#include "campus/responses.h"

#include <array>

#include <QCoreApplication>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "campus/HistoryWindow.h"
#include "campus/presenter.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/encounters.h"
#include "core/places.h"
#include "core/random.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/language.h"
#include "ui/runtime.h"

namespace {

constexpr int kIgnoredPenalty = 3;

// Damaged data ends the conversation as if she had left, and tells the player what is wrong.
void EndConversation(const conversation::DataProblem& problem) {
    ui::MsgBox(
        QCoreApplication::translate("Campus", "会話データ %1 が壊れています。").arg(problem.file) +
            GameState.lineBreak + problem.what + GameState.lineBreak +
            QCoreApplication::translate("Campus", "この会話はここで終わります。"),
        ui::vbOKOnly | ui::vbExclamation, QStringLiteral("Velmora 3rd STORY"));
    AnswerWindow.Unload();
    HeroineLeaves();
    GameState.phase = Phase::Idle;
    UpdateTravelButtons();
}

}  // namespace

void OfferResponses(const QString& conversation) {
    GameRecord& g = GameState;
    g.pendingConversation = conversation;
    g.phase = Phase::AwaitingReply;
    UpdateTravelButtons();

    conversation::DataProblem problem;
    const auto candidates = conversation::ReadCandidates(conversation, problem);
    if (!candidates) return EndConversation(problem);

    // Five different slots of the ten, in the order drawn; a code standing twice may come twice.
    std::array<bool, conversation::kCandidates + 1> drawn{};
    for (int k = 1; k <= kOfferedLines;) {
        const int slot = static_cast<int>(Rnd() * conversation::kCandidates) + 1;
        if (drawn[static_cast<size_t>(slot)]) continue;
        drawn[static_cast<size_t>(slot)] = true;
        g.offeredCodes[static_cast<size_t>(k++)] = (*candidates)[static_cast<size_t>(slot)];
    }

    std::array<QString, kOfferedLines> lines;
    for (int k = 1; k <= kOfferedLines; ++k) {
        const auto line =
            conversation::ReadPlayerLine(g.offeredCodes[static_cast<size_t>(k)], problem);
        if (!line) return EndConversation(problem);
        lines[static_cast<size_t>(k - 1)] = conversation::WithFamilyName(*line, g.familyName);
    }
    AnswerWindow->Show();
    for (int i = 0; i < kOfferedLines; ++i) {
        AnswerWindow->answerButtons(i).setText(lines[static_cast<size_t>(i)]);
        AnswerWindow->answerButtons(i).onClick = [i] { ApplyResponse(i + 1); };
    }
    AnswerWindow->AnnounceLines();
}

void ApplyResponse(int k) {
    GameRecord& g = GameState;
    // What he said is no line of the screen's, but the day's lines keep it, under his name.
    // Family name first in Japanese, given name first in English.
    RememberLine(QCoreApplication::translate("Campus", "%1　%2").arg(g.familyName, g.givenName),
                 AnswerWindow->answerButtons(k - 1).text());
    AnswerWindow.Unload();
    const int code = g.offeredCodes[static_cast<size_t>(k)];
    conversation::DataProblem problem;
    const auto reply = conversation::ReadReply(g.pendingConversation, code, problem);
    if (!reply) return EndConversation(problem);

    const int heroine = HeroineOfConversation(g.pendingConversation);
    ShowLine(QString(), conversation::WithFamilyName(reply->text, g.familyName),
             story::Q(story::HeroineName(heroine)));
    g.affection[static_cast<size_t>(heroine)] =
        static_cast<int16_t>(g.affection[static_cast<size_t>(heroine)] + reply->change);
    g.phase = Phase::Idle;
    UpdateTravelButtons();
}

void IgnoredTimeout() {
    GameRecord& g = GameState;
    ShowLine(
        LocationPictureCode(g.currentLocation),
        QCoreApplication::translate(
            "Campus", "しゃべらずに無視をしていたら、彼女は行ってしまった。悪いことをしたな。"),
        QString());
    const auto heroine = static_cast<size_t>(HeroineOfConversation(g.pendingConversation));
    g.affection[heroine] = static_cast<int16_t>(g.affection[heroine] - kIgnoredPenalty);
    g.pendingConversation.clear();
    AnswerWindow.Unload();
    g.phase = Phase::Idle;
    UpdateTravelButtons();
}

void HeroineLeaves() {
    ShowLine(LocationPictureCode(GameState.currentLocation),
             QCoreApplication::translate("Campus",
                                         "彼女は用事を思い出したらしく、どこかへ行ってしまった。"),
             QString());
    GameState.pendingConversation.clear();
}

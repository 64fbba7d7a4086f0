#include "conversation/responses.h"

#include <array>

#include "conversation/VelSerif.h"
#include "conversation/presenter.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/encounters.h"
#include "core/random.h"
#include "ui/runtime.h"

namespace {

// Damaged data ends the conversation as if she had left, and tells the player what is wrong.
void EndConversation(const conversation::DataProblem& problem) {
    ui::MsgBox(QStringLiteral("会話データ %1 が壊れています。").arg(problem.file) +
                   GameState.lineBreak + problem.what + GameState.lineBreak +
                   QStringLiteral("この会話はここで終わります。"),
               ui::vbOKOnly | ui::vbExclamation, QStringLiteral("Velmora 3rd STORY"));
    VelSerif.Unload();
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
    VelSerif->Show();
    for (int i = 0; i < kOfferedLines; ++i)
        VelSerif->Command1(i).setText(lines[static_cast<size_t>(i)]);
}

void ApplyResponse(int k) {
    GameRecord& g = GameState;
    VelSerif.Unload();
    const int code = g.offeredCodes[static_cast<size_t>(k)];
    conversation::DataProblem problem;
    const auto reply = conversation::ReadReply(g.pendingConversation, code, problem);
    if (!reply) return EndConversation(problem);

    VelMain->Label1->SetCaption(conversation::WithFamilyName(reply->text, g.familyName));
    const int heroine = g.pendingConversation.mid(1, 1).toInt();
    g.affection[static_cast<size_t>(heroine)] =
        static_cast<int16_t>(g.affection[static_cast<size_t>(heroine)] + reply->change);
    g.phase = Phase::Idle;
    UpdateTravelButtons();
}

// Plays many games without screens, on the game's own timetable, paths, conversation data and
// ending choice, and prints how often each heroine confesses under three ways of playing.
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

#include <QCoreApplication>
#include <QDir>

#include "conversation/script.h"
#include "core/GameState.h"
#include "core/campus.h"
#include "core/encounters.h"
#include "core/random.h"
#include "endings/closing.h"

namespace {

constexpr int kGames = 20000;
constexpr int kClosing = 30;

struct Conversation {
    conversation::Candidates codes;
    std::map<int, int> change;  // by response code
};
std::map<QString, Conversation> g_data;

const Conversation& Data(const QString& code) {
    auto it = g_data.find(code);
    if (it != g_data.end()) return it->second;
    conversation::DataProblem problem;
    Conversation c{*conversation::ReadCandidates(code, problem), {}};
    for (int slot = 1; slot <= conversation::kCandidates; ++slot) {
        const int response = c.codes[static_cast<size_t>(slot)];
        c.change[response] = conversation::ReadReply(code, response, problem)->change;
    }
    return g_data.emplace(code, c).first->second;
}

int RandomIndex(int n) {
    return static_cast<int>(Rnd() * n);
}

enum class Strategy { Random, SeekPicked, MeetMany };

// The quickest way to meet `heroine` from (minute, location): the minute of the meeting and the
// first move (-1 wait, 0 to 6 a travel button); nullopt when she cannot be met any more.
std::optional<std::pair<int, int>> FirstMoveToMeet(int heroine, int minute, int location) {
    struct State {
        int minute, location, firstMove;
    };
    std::vector<State> frontier{{minute, location, -2}};
    std::array<std::array<bool, kLocationCount + 1>, kClosing + 5> seen{};
    std::optional<std::pair<int, int>> best;  // arrival minute, first move
    while (!frontier.empty()) {
        std::vector<State> next;
        for (const State& s : frontier) {
            for (int move = -1; move < kLocationCount; ++move) {
                const int to = move < 0 ? s.location : move + 1;
                const int minutes = move < 0 ? 1 : WalkingMinutes(s.location, to);
                if (minutes == 0) continue;
                const int at = s.minute + minutes;
                if (at >= kClosing) continue;
                const int first = s.firstMove == -2 ? move : s.firstMove;
                const bool meets = move < 0 ? IsWindowStart(at) && HeroineAt(at, to) == heroine
                                            : InEncounterWindow(at) && HeroineAt(at, to) == heroine;
                if (meets && (!best || at < best->first)) best = {{at, first}};
                if (!seen[static_cast<size_t>(at)][static_cast<size_t>(to)]) {
                    seen[static_cast<size_t>(at)][static_cast<size_t>(to)] = true;
                    next.push_back({at, to, first});
                }
            }
        }
        frontier = std::move(next);
    }
    return best;
}

// How the player answers: at random, with her best offered line, or brushing her off.
enum class Answer { Random, Best, Worst };

int ChooseAnswer(const QString& code, Answer how) {
    const Conversation& c = Data(code);
    std::array<bool, conversation::kCandidates + 1> drawn{};
    std::vector<int> offered;
    while (offered.size() < 5) {
        const int slot = RandomIndex(conversation::kCandidates) + 1;
        if (drawn[static_cast<size_t>(slot)]) continue;
        drawn[static_cast<size_t>(slot)] = true;
        offered.push_back(c.change.at(c.codes[static_cast<size_t>(slot)]));
    }
    switch (how) {
        case Answer::Best:
            return *std::max_element(offered.begin(), offered.end());
        case Answer::Worst:
            return *std::min_element(offered.begin(), offered.end());
        case Answer::Random:
            break;
    }
    return offered[static_cast<size_t>(RandomIndex(5))];
}

struct Outcome {
    int ending;
    bool mutual;
};

Outcome PlayOneGame(Strategy strategy) {
    GameRecord& g = GameState;
    g = GameRecord{};
    for (int h = 1; h <= kCampusHeroines; ++h)
        g.affection[static_cast<size_t>(h)] = static_cast<int16_t>(Rnd() * 5);
    g.targetHeroine = static_cast<int16_t>(RandomIndex(kCampusHeroines) + 1);
    g.affection[static_cast<size_t>(g.targetHeroine)] -= 2;
    int minute = 1, location = 3;

    auto meet = [&](int heroine, bool onArrival) {
        if (heroine == 0 || g.metStage[static_cast<size_t>(heroine)] != 0) return;
        g.metStage[static_cast<size_t>(heroine)] = 1;
        // Seeking one girl, the player is kind to her and cool to the others.
        Answer how = Answer::Random;
        if (strategy == Strategy::SeekPicked)
            how = heroine == g.targetHeroine ? Answer::Best : Answer::Worst;
        g.affection[static_cast<size_t>(heroine)] +=
            static_cast<int16_t>(ChooseAnswer(ConversationCode(location, heroine, onArrival), how));
    };

    while (minute < kClosing) {
        int move = -1;
        if (strategy == Strategy::Random) {
            move = Rnd() < 0.5 ? -1 : RandomIndex(kLocationCount);
            if (move >= 0 && WalkingMinutes(location, move + 1) == 0) move = -1;
        } else {
            std::optional<int> soonest;
            int soonestMinute = kClosing;
            for (int h = 1; h <= kCampusHeroines; ++h) {
                if (g.metStage[static_cast<size_t>(h)] != 0) continue;
                if (strategy == Strategy::SeekPicked && h != g.targetHeroine) continue;
                // Whoever can be met first; the plan is made again after every move.
                if (auto plan = FirstMoveToMeet(h, minute, location);
                    plan && plan->first < soonestMinute) {
                    soonestMinute = plan->first;
                    soonest = plan->second;
                }
            }
            if (soonest) move = *soonest;
        }
        if (move < 0) {
            ++minute;
            if (minute < kClosing && IsWindowStart(minute))
                meet(HeroineAt(minute, location), false);
        } else {
            minute += WalkingMinutes(location, move + 1);
            if (minute >= kClosing) break;
            location = move + 1;
            if (InEncounterWindow(minute)) meet(HeroineAt(minute, location), true);
        }
    }
    const int ending = ChooseEndingHeroine();
    return {ending, ending == g.targetHeroine};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDir::setCurrent(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VELMORA_DATA_DIR));
    Randomize(2026);
    const std::pair<const char*, Strategy> strategies[] = {
        {"random walks, random answers", Strategy::Random},
        {"seek the picked girl, best answer to her", Strategy::SeekPicked},
        {"meet as many as possible, random answers", Strategy::MeetMany},
    };
    std::printf("%-42s", "strategy (percent of games)");
    for (int h = 1; h <= kHeroineCount; ++h) std::printf("  H%d  ", h);
    std::printf(" mutual\n");
    std::array<std::array<int, kHeroineCount + 1>, 3> mutualBy{};
    for (size_t s = 0; s < std::size(strategies); ++s) {
        std::array<int, kHeroineCount + 1> endings{};
        int mutual = 0;
        for (int i = 0; i < kGames; ++i) {
            const Outcome o = PlayOneGame(strategies[s].second);
            ++endings[static_cast<size_t>(o.ending)];
            if (o.mutual) ++mutual, ++mutualBy[s][static_cast<size_t>(o.ending)];
        }
        std::printf("%-42s", strategies[s].first);
        for (int h = 1; h <= kHeroineCount; ++h)
            std::printf(" %5.1f", 100.0 * endings[static_cast<size_t>(h)] / kGames);
        std::printf("  %5.1f\n", 100.0 * mutual / kGames);
    }
    std::printf("mutual-love endings reached, by heroine (games):");
    for (int h = 1; h <= kCampusHeroines; ++h) {
        int total = 0;
        for (const auto& row : mutualBy) total += row[static_cast<size_t>(h)];
        std::printf(" H%d %d", h, total);
    }
    std::printf("\n");
}

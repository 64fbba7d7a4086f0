// Plays many whole games on the real screens, offscreen and in game time, and prints how often
// each heroine confesses under three ways of playing, and how many of the meetings offered no
// line that pleases her. Each game runs in a process of its own, two at a time; a game stops
// once the confessing heroine is chosen.
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

#include <QDir>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/clock.h"
#include "core/encounters.h"
#include "core/places.h"
#include "core/random.h"
#include "frontend/GraduationAlbum.h"
#include "frontend/StartMenu.h"
#include "tests/support/player.h"
#include "ui/application.h"
#include "ui/language.h"

namespace {

constexpr int kDefaultGames = 5000;
constexpr int kWorkers = 2;

enum class Strategy { Random, SeekPicked, MeetMany };

// A reply pleases her when it raises her affection by this much or more.
constexpr int kPleasing = 3;

// What a game sends back to the benchmark: the confessing heroine, 10 more for mutual love, and
// its meetings, of them how many offered her no pleasing line among the five.
struct GameResult {
    int8_t ending = 0;
    int8_t meetings = 0;
    int8_t withoutPleasing = 0;
};

int RandomIndex(int n) {
    return static_cast<int>(Rnd() * n);
}

// Where and when `move` (-1 wait a minute, 0 to 6 a travel button) from (minute, location)
// ends, and whom it meets that `metMask` does not hold yet (0 nobody). A move along no path ends
// at closing time, so that it is never taken.
struct MoveResult {
    int minute, location, heroine;
};
MoveResult Make(int move, int minute, int location, int metMask) {
    const int to = move < 0 ? location : move + 1;
    const int minutes = move < 0 ? 1 : WalkingMinutes(location, to);
    const int at = minutes == 0 ? kMinutesUntilClosing : minute + minutes;
    int heroine = 0;
    if (at < kMinutesUntilClosing && (move < 0 ? IsWindowStart(at) : InEncounterWindow(at)))
        heroine = HeroineAt(at, to);
    if (heroine != 0 && (metMask & (1 << heroine))) heroine = 0;
    return {at, to, heroine};
}

// The quickest way to meet `heroine` from (minute, location): the minute of the meeting and the
// first move; nullopt when she cannot be met any more.
std::optional<std::pair<int, int>> FirstMoveToMeet(int heroine, int minute, int location) {
    struct State {
        int minute, location, firstMove;
    };
    std::vector<State> frontier{{minute, location, -2}};
    std::array<std::array<bool, kLocationCount + 1>, kMinutesUntilClosing + 5> seen{};
    std::optional<std::pair<int, int>> best;
    while (!frontier.empty()) {
        std::vector<State> next;
        for (const State& s : frontier)
            for (int move = -1; move < kLocationCount; ++move) {
                const MoveResult r = Make(move, s.minute, s.location, 0);
                if (r.minute >= kMinutesUntilClosing) continue;
                const int first = s.firstMove == -2 ? move : s.firstMove;
                if (r.heroine == heroine && (!best || r.minute < best->first))
                    best = {{r.minute, first}};
                if (!seen[static_cast<size_t>(r.minute)][static_cast<size_t>(r.location)]) {
                    seen[static_cast<size_t>(r.minute)][static_cast<size_t>(r.location)] = true;
                    next.push_back({r.minute, r.location, first});
                }
            }
        frontier = std::move(next);
    }
    return best;
}

int MostMeetings(int minute, int location, int metMask, std::map<int, int>& memo);

// How many heroines the best route meets when it starts with `move`; -1 when the move cannot be
// made before closing time.
int MeetingsAfter(int move, int minute, int location, int metMask, std::map<int, int>& memo) {
    const MoveResult r = Make(move, minute, location, metMask);
    if (r.minute >= kMinutesUntilClosing) return -1;
    if (r.heroine == 0) return MostMeetings(r.minute, r.location, metMask, memo);
    return 1 + MostMeetings(r.minute, r.location, metMask | (1 << r.heroine), memo);
}

// The most heroines still to be met from (minute, location), over every route.
int MostMeetings(int minute, int location, int metMask, std::map<int, int>& memo) {
    const int key = (minute * 8 + location) * 128 + metMask;
    if (auto it = memo.find(key); it != memo.end()) return it->second;
    int most = 0;
    for (int move = -1; move < kLocationCount; ++move)
        most = std::max(most, MeetingsAfter(move, minute, location, metMask, memo));
    return memo[key] = most;
}

// The first move of a route that meets as many heroines as can still be met; among equal
// routes one at random, so that games differ in whom they meet.
int MoveToMeetMost() {
    const GameRecord& g = GameState;
    int metMask = 0;
    for (int h = 1; h <= kCampusHeroines; ++h)
        if (g.metStage[static_cast<size_t>(h)] != 0) metMask |= 1 << h;
    std::map<int, int> memo;
    std::vector<int> best;
    int most = -1;
    for (int move = -1; move < kLocationCount; ++move) {
        const int meetings =
            MeetingsAfter(move, g.elapsedMinutes, g.currentLocation, metMask, memo);
        if (meetings < 0) continue;
        if (meetings > most) best.clear(), most = meetings;
        if (meetings == most) best.push_back(move);
    }
    return best.empty() ? -1
                        : best[static_cast<size_t>(RandomIndex(static_cast<int>(best.size())))];
}

// The first move of the quickest route to the picked heroine; -1 waits.
int MoveTowardThePickedHeroine() {
    const GameRecord& g = GameState;
    if (g.metStage[static_cast<size_t>(g.targetHeroine)] != 0) return -1;
    const auto plan = FirstMoveToMeet(g.targetHeroine, g.elapsedMinutes, g.currentLocation);
    return plan ? plan->second : -1;
}

// How much the reply to offered line `line` (0 to 4) changes her affection, by the data files.
int ReplyChange(int line) {
    const GameRecord& g = GameState;
    conversation::DataProblem problem;
    const auto reply = conversation::ReadReply(
        g.pendingConversation, g.offeredCodes[static_cast<size_t>(line + 1)], problem);
    return reply ? reply->change : 0;
}

bool OffersAPleasingLine() {
    for (int line = 0; line < 5; ++line)
        if (ReplyChange(line) >= kPleasing) return true;
    return false;
}

// Picks one of the five offered lines: at random, or the one that pleases her most or least
// by what the data files say.
int ChosenLine(Strategy strategy) {
    const GameRecord& g = GameState;
    if (strategy != Strategy::SeekPicked) return RandomIndex(5);
    const bool kind = HeroineOfConversation(g.pendingConversation) == g.targetHeroine;
    int chosen = 0, bestChange = 0;
    for (int line = 0; line < 5; ++line) {
        const int change = ReplyChange(line);
        if (line == 0 || (kind ? change > bestChange : change < bestChange)) {
            chosen = line;
            bestChange = change;
        }
    }
    return chosen;
}

// One whole game from the start menu; sends its GameResult down the pipe.
[[noreturn]] void PlayOneGame(Strategy strategy, uint32_t seed, int resultPipe) {
    GameState = GameRecord{};
    GameState.lineBreak = QStringLiteral("\r\n");
    Player player(seed);
    const int pick = static_cast<int>(seed % kCampusHeroines);
    int decidedAt = -1;
    GameResult result;
    QString lastMeeting;  // a heroine greets once a game, so her code names the meeting
    player.Now([] {
        StartMenu->Show();
        driver::Click(&StartMenu->entries(0));
        StartMenu->familyNameBox->SetText(QStringLiteral("山田"));
        StartMenu->givenNameBox->SetText(QStringLiteral("太郎"));
        driver::Click(StartMenu->nameOkButton);
    });
    player.Then(
        "the album", [] { return GraduationAlbum.IsLoaded() && GraduationAlbum->isVisible(); },
        [pick] { driver::Click(&GraduationAlbum->photos(pick)); });
    player.Then(
        "the album asks", [] { return !GraduationAlbum->messageLabel->Caption().isEmpty(); },
        [pick] { driver::Click(&GraduationAlbum->photos(pick)); });
    player.Always([&] {
        GameRecord& g = GameState;
        if (g.endingHeroine != 0) {
            result.ending = static_cast<int8_t>(g.endingHeroine +
                                                (g.endingHeroine == g.targetHeroine ? 10 : 0));
            [[maybe_unused]] const auto written = ::write(resultPipe, &result, sizeof result);
            _exit(0);
        }
        if (g.phase == Phase::AwaitingReply && AnswerWindow.IsLoaded()) {
            if (g.pendingConversation != lastMeeting) {
                lastMeeting = g.pendingConversation;
                ++result.meetings;
                result.withoutPleasing += !OffersAPleasingLine();
            }
            return driver::Click(&AnswerWindow->answerButtons(ChosenLine(strategy)));
        }
        if (g.phase != Phase::Idle || decidedAt == g.elapsedMinutes) return false;
        decidedAt = g.elapsedMinutes;
        int move = -1;
        if (strategy == Strategy::Random)
            move = Rnd() < 0.5 ? -1 : RandomIndex(kLocationCount);
        else if (strategy == Strategy::MeetMany)
            move = MoveToMeetMost();
        else
            move = MoveTowardThePickedHeroine();
        if (move < 0 || !CampusScreen->travelButtons(move).isEnabled()) return false;
        return driver::Click(&CampusScreen->travelButtons(move));
    });
    player.Run(
        "the confession", [] { return false; }, ByMinute(kMinutesUntilClosing + 5));
    _exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int games = argc > 1 ? std::atoi(argv[1]) : kDefaultGames;
    ui::testing::UseVirtualTime();
    ui::testing::SetStallHandler(FailTest);
    ui::SetLanguage(ui::Language::Japanese);  // named, never the machine's locale
    QuietOffscreenPlatform();
    ui::Application app(argc, argv);
    QDir::setCurrent(QStringLiteral(VELMORA_DATA_DIR));
    // Names and wins go to a settings folder of the benchmark's own.
    qputenv("XDG_CONFIG_HOME",
            QDir::temp().filePath(QStringLiteral("velmora-balance")).toLocal8Bit());

    const std::pair<const char*, Strategy> strategies[] = {
        {"random walks, random answers", Strategy::Random},
        {"seek the picked girl, best answer to her", Strategy::SeekPicked},
        {"meet as many as possible, random answers", Strategy::MeetMany},
    };
    std::printf("%d real games per strategy (percent of games)\n%-42s", games, "strategy");
    for (int h = 1; h <= kHeroineCount; ++h) std::printf("   H%d ", h);
    std::printf("  7+8  mutual  no+%d\n", kPleasing);
    const auto start = std::chrono::steady_clock::now();
    int played = 0, failed = 0;
    for (const auto& [name, strategy] : strategies) {
        std::array<int, kHeroineCount + 1> endings{};
        int mutual = 0, meetings = 0, withoutPleasing = 0;
        // Each worker is a child process with a pipe back; two run at a time.
        std::vector<std::pair<pid_t, int>> running;
        auto collect = [&] {
            const auto [pid, pipe] = running.front();
            running.erase(running.begin());
            GameResult result;
            const bool got = ::read(pipe, &result, sizeof result) == sizeof result;
            ::close(pipe);
            int status = 0;
            waitpid(pid, &status, 0);
            if (!got) return void(++failed);
            ++endings[static_cast<size_t>(result.ending % 10)];
            mutual += result.ending >= 10;
            meetings += result.meetings;
            withoutPleasing += result.withoutPleasing;
            ++played;
        };
        for (int i = 0; i < games; ++i) {
            if (static_cast<int>(running.size()) == kWorkers) collect();
            int fds[2];
            if (::pipe(fds) != 0) return 1;
            std::fflush(stdout);  // or every child would print the table's head again
            const pid_t pid = fork();
            if (pid == 0) {
                ::close(fds[0]);
                PlayOneGame(strategy, static_cast<uint32_t>(i + 1), fds[1]);
            }
            ::close(fds[1]);
            running.emplace_back(pid, fds[0]);
        }
        while (!running.empty()) collect();
        std::printf("%-42s", name);
        for (int h = 1; h <= kHeroineCount; ++h)
            std::printf(" %5.1f", 100.0 * endings[static_cast<size_t>(h)] / games);
        // The two who confess when nobody met was won.
        std::printf(" %5.1f", 100.0 * (endings[7] + endings[8]) / games);
        std::printf("  %5.1f  %5.1f\n", 100.0 * mutual / games,
                    meetings == 0 ? 0.0 : 100.0 * withoutPleasing / meetings);
        std::fflush(stdout);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d games in %.1f s: %.1f games per second on %d workers; %d failed\n", played,
                seconds, played / seconds, kWorkers, failed);
    return failed == 0 ? 0 : 1;
}

// A random player. It plays the real game offscreen and in game time, the way nobody would:
// clicks anywhere on any window, keys, closes windows, names good and bad, walks, answers or
// ignores, quits with or without a save and resumes. After every step it checks what must always
// hold. Each game runs in child processes of its own, because quitting ends the process; a game
// resumes in a new process while it left a save, up to a few times.
//
//   monkey GAMES [FIRST_SEED]   plays seeds FIRST_SEED.. on every core; exit 1 on any violation
//   monkey --seeds A,B,...      plays just these seeds (the violations found before)
//
// A seed reproduces its game exactly.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "core/GameState.h"
#include "core/savefile.h"
#include "endings/StaffRoll.h"
#include "frontend/GraduationAlbum.h"
#include "frontend/Main.h"
#include "frontend/StartMenu.h"
#include "frontend/TitleScreen.h"
#include "frontend/keys.h"
#include "records/clearrecord.h"
#include "records/settings.h"
#include "tests/support/player.h"
#include "ui/Form.h"
#include "ui/application.h"
#include "ui/gametime.h"
#include "ui/language.h"
#include "ui/runtime.h"

namespace {

constexpr int kProcessesPerGame = 3;          // the first start and up to two resumes
constexpr ui::GameMs kGameTimeCap = 5400000;  // 90 minutes: a monkey lost in the menus
constexpr int kViolation = 2;
constexpr int kCapped = 3;

uint32_t g_seed = 0;
int g_process = 0;
long g_steps = 0;
std::mt19937 g_random;

int Pick(int n) {
    return n <= 0 ? 0 : static_cast<int>(g_random() % static_cast<uint32_t>(n));
}

QString WindowTitles();

[[noreturn]] void Violation(const QString& what) {
    const GameRecord& g = GameState;
    std::fprintf(stderr,
                 "monkey: seed %u: %s\n  at %.3f s of game time, waiting in: %s\n"
                 "  phase %d, minute %d, location %d, picked %d, windows %s\n",
                 g_seed, qPrintable(what), static_cast<double>(ui::NowMs()) / 1000,
                 qPrintable(ui::RunningWaits().join(QStringLiteral(" > "))),
                 static_cast<int>(g.phase), g.elapsedMinutes, g.currentLocation, g.targetHeroine,
                 qPrintable(WindowTitles()));
    _exit(kViolation);
}

bool Visible(QWidget* window) {
    return window && window->isVisible();
}

// What must hold whenever the game waits: the record in range, no window without its
// moment, and the files on disk readable.
void CheckFiles() {
    if (SaveExists()) {
        const GameRecord playing = GameState;
        QString problem;
        const bool loads = ReadSave(problem);
        GameState = playing;
        if (!loads) Violation(QStringLiteral("the save does not load: ") + problem);
    }
    const QString record = GetSetting(kClearRecordKey);
    for (qsizetype i = 0; i < record.size(); i += 2) {
        const bool marker = kHeroineMarkers.contains(record[i]);
        const bool bits = i + 1 < record.size() && record[i + 1] >= u'1' && record[i + 1] <= u'3';
        if (!marker || !bits)
            Violation(QStringLiteral("the clear record reads 「%1」").arg(record));
    }
}

void CheckInvariants() {
    const GameRecord& g = GameState;
    const int phase = static_cast<int>(g.phase);
    if (phase < 0 || phase > static_cast<int>(Phase::ClosingTime))
        Violation(QStringLiteral("phase %1").arg(phase));
    // Past 30 only while an open mail holds closing time back, a minute at a time.
    if (g.elapsedMinutes < 0 || g.elapsedMinutes > 40)
        Violation(QStringLiteral("minute %1").arg(g.elapsedMinutes));
    if (AnswerWindow.IsLoaded() && Visible(&*AnswerWindow) && g.phase != Phase::AwaitingReply)
        Violation(QStringLiteral("the answer window is open with no question"));
    if (GraduationAlbum.IsLoaded() && Visible(&*GraduationAlbum) &&
        !(CampusScreen.IsLoaded() && Visible(&*CampusScreen)))
        Violation(QStringLiteral("the album is open without the campus behind it"));
    if (StaffRoll.IsLoaded() && Visible(&*StaffRoll) && g.phase != Phase::ClosingTime)
        Violation(QStringLiteral("the staff roll runs before closing time"));
    CheckFiles();
}

QList<QWidget*> OpenWindows();

QString WindowTitles() {
    QStringList titles;
    for (QWidget* w : OpenWindows()) titles.append(QStringLiteral("「%1」").arg(w->windowTitle()));
    return titles.join(QStringLiteral(" "));
}

template <class F>
bool IsScreen(QWidget* window, ui::DefaultInstance<F>& screen) {
    return screen.IsLoaded() && window == &*screen;  // never loads it
}

// In a fixed order, so that a seed plays the same game: the screens as they were loaded, then a
// message box. Qt's list of windows is a hash, in the order of their addresses.
QList<QWidget*> OpenWindows() {
    QList<QWidget*> open;
    for (ui::Form* form : ui::Form::LoadedForms())
        if (form->isVisible()) open.append(form);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<QMessageBox*>(w)) open.append(w);
    return open;
}

// Anything visible in the window, a button more often than not, as buttons are what a window
// offers to be clicked.
QWidget* AnyControlOf(QWidget* window) {
    QList<QWidget*> controls{window};
    QList<QWidget*> buttons;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        controls.append(w);
        if (qobject_cast<QAbstractButton*>(w) && w->isEnabled()) buttons.append(w);
    }
    if (!buttons.isEmpty() && Pick(2) == 0) return buttons[Pick(static_cast<int>(buttons.size()))];
    return controls[Pick(static_cast<int>(controls.size()))];
}

// One step of a player who knows nothing: true when it did something.
bool Step() {
    if (ui::NowMs() > kGameTimeCap) {
        QStringList loaded;
        for (ui::Form* f : ui::Form::LoadedForms())
            loaded.append(f->windowTitle() + (f->isVisible() ? "" : " (hidden)"));
        std::printf("game %u.%d: still in 「%s」 after 90 minutes, waiting in %s\n", g_seed,
                    g_process, qPrintable(loaded.join(", ")),
                    qPrintable(ui::RunningWaits().join(" > ")));
        std::fflush(stdout);
        _exit(kCapped);
    }
    ++g_steps;
    CheckInvariants();
    // The game ends once its last screen closes and nothing waits; here the monkey's own wait
    // would keep it alive.
    if (ui::Form::LoadedForms().isEmpty() && ui::RunningWaits() == QStringList{"the test"}) {
        ui::EndProgram();
    }
    const QList<QWidget*> windows = OpenWindows();
    const int roll = Pick(100000);
    if (windows.isEmpty() || roll < 50000) {
        // Time passes even where the game has nothing scheduled, as it does for a person; one
        // heartbeat at a time, or they would pile up and crowd the clock.
        static ui::GameMs heartbeat = 0;
        if (heartbeat <= ui::NowMs()) {
            heartbeat = ui::NowMs() + 1000 + Pick(4000);
            ui::gametime::Schedule(heartbeat, [] {});
            // A paused game has no timer of its own: the clock must see the heartbeat.
            return true;
        }
        return false;
    }
    QWidget* window = windows[Pick(static_cast<int>(windows.size()))];
    QWidget* control = AnyControlOf(window);
    // A mouse reaches what is on top at that point, such as the pause veil over the controls.
    QPoint point(Pick(control->width()), Pick(control->height()));
    const QPoint inWindow = control->mapTo(window, point);
    if (QWidget* top = window->childAt(inWindow); top && top != control) {
        point = top->mapFrom(window, inWindow);
        control = top;
    }
    if (roll < 88000) {
        QTest::mouseClick(control, Qt::LeftButton, {}, point);
    } else if (roll < 91000) {
        QTest::mouseDClick(control, Qt::LeftButton, {}, point);
    } else if (roll < 95000) {
        // The comfort keys too: pause, the day's lines, self-voicing, the settings and full screen.
        static const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape, Qt::Key_A,
                                        Qt::Key_1,      Qt::Key_Shift, Qt::Key_P,      Qt::Key_Up,
                                        Qt::Key_F8,     Qt::Key_F9,    Qt::Key_F10,    Qt::Key_F11};
        QTest::keyClick(control, kKeys[Pick(std::size(kKeys))]);
    } else if (roll < 99990) {
        const QList<QLineEdit*> boxes = window->findChildren<QLineEdit*>();
        static const char* const kNames[] = {
            "山田",  "太郎",  "ｶﾀｶﾅ", "O'Hara", "髙橋",
            "山,田", " 空白", "😀",    "",       "長い名前長い名前長い名前"};
        if (!boxes.isEmpty()) {
            QLineEdit* box = boxes[Pick(static_cast<int>(boxes.size()))];
            if (Pick(2) == 0) box->selectAll();  // typed over, or added to what is there
            driver::TypeJapanese(box, QString::fromUtf8(kNames[Pick(std::size(kNames))]));
        }
    } else if (Pick(10) == 0 || !(IsScreen(window, TitleScreen) || IsScreen(window, StartMenu))) {
        window->close();  // the title's and the menu's rarer still: they end the game
    }
    return true;
}

// One process of a game, in the folder the game lives in. Ends the process.
[[noreturn]] void PlayProcess(uint32_t seed, int process) {
    g_seed = seed;
    g_process = process;
    g_random.seed(seed * kProcessesPerGame + static_cast<uint32_t>(process));
    Player player(seed * kProcessesPerGame + static_cast<uint32_t>(process));
    player.autoClick = false;
    player.Always(Step);
    ui::AtEndProgram([] {
        CheckFiles();
        // How far it got, for the summary: the picked girl and the one who confessed.
        std::printf(
            "game %u.%d: %ld steps, minute %d, picked %d, ending %d, save %d, at %.0f s in %s\n",
            g_seed, g_process, g_steps, GameState.elapsedMinutes, GameState.targetHeroine,
            GameState.endingHeroine, SaveExists(), static_cast<double>(ui::NowMs()) / 1000,
            qPrintable(WindowTitles()));
    });
    ui::testing::SetStallHandler(
        [](const QString& reason) { Violation(QStringLiteral("the game stalls: ") + reason); });
    ui::SetGlobalKeyHandler(ComfortKey);
    Main();
    player.Run(
        QStringLiteral("the end of the program"), [] { return false; }, Seconds(1e9));
    Violation(QStringLiteral("the game went on after its end"));
}

// How one process of a game ended: 0 by the game's own end, else a failure to report.
int RunProcess(uint32_t seed, int process, const QString& folder) {
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        QDir::setCurrent(folder);
        qputenv("XDG_CONFIG_HOME", QDir(folder).filePath(QStringLiteral("config")).toLocal8Bit());
        PlayProcess(seed, process);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    std::fprintf(stderr, "monkey: seed %u: the game died of signal %d\n", seed, WTERMSIG(status));
    return kViolation;
}

// A whole game: processes in one folder while the game leaves a save behind.
bool PlayGame(uint32_t seed) {
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    CopyGameData();
    for (int process = 0; process < kProcessesPerGame; ++process) {
        const int end = RunProcess(seed, process, folder.path());
        if (end == kCapped) break;
        if (end != 0) return false;
        if (!QFile::exists(folder.filePath(kSaveFile))) break;
    }
    QDir::setCurrent(QDir::tempPath());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    std::vector<uint32_t> seeds;
    if (argc > 2 && QByteArray(argv[1]) == "--seeds") {
        for (const QByteArray& s : QByteArray(argv[2]).split(','))
            seeds.push_back(static_cast<uint32_t>(s.toUInt()));
    } else {
        const int games = argc > 1 ? std::atoi(argv[1]) : 20;
        const uint32_t first = argc > 2 ? static_cast<uint32_t>(std::atoi(argv[2])) : 1;
        for (int i = 0; i < games; ++i) seeds.push_back(first + static_cast<uint32_t>(i));
    }
    ui::testing::UseVirtualTime();
    ui::SetLanguage(ui::Language::Japanese);  // named, never the machine's locale
    QuietOffscreenPlatform();
    ui::Application app(argc, argv);

    // Games run side by side, one worker process per core, each playing every n-th seed.
    const auto start = std::chrono::steady_clock::now();
    const int workers = std::max(1, static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN)));
    std::vector<pid_t> running;
    for (int w = 0; w < workers; ++w) {
        std::fflush(stdout);
        const pid_t pid = fork();
        if (pid == 0) {
            int failed = 0;
            for (size_t i = static_cast<size_t>(w); i < seeds.size(); i += workers)
                failed += PlayGame(seeds[i]) ? 0 : 1;
            std::fflush(stderr);
            _exit(failed > 0 ? 1 : 0);
        }
        running.push_back(pid);
    }
    bool violations = false;
    for (const pid_t pid : running) {
        int status = 0;
        waitpid(pid, &status, 0);
        violations |= !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    const double minutes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 60;
    std::printf("monkey: %zu games on %d cores in %.1f min, %.0f games per minute, %s\n",
                seeds.size(), workers, minutes, static_cast<double>(seeds.size()) / minutes,
                violations ? "violations found (above)" : "no violation");
    return violations ? 1 : 0;
}

#include "ui/application.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <utility>

#include <QElapsedTimer>
#include <QFont>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWindow>

#include "ui/Form.h"
#include "ui/gametime.h"
#include "ui/language.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace ui {

namespace {

// QT_LOGGING_RULES="velmora3.startup.info=true" tells when the first window reached the screen;
// the start-up benchmark waits for that line.
Q_LOGGING_CATEGORY(lcStartup, "velmora3.startup", QtWarningMsg)
QElapsedTimer g_sinceStart;
bool g_firstWindowShown = false;

int& PrepareEnvironment(int& argc) {
    g_sinceStart.start();
    ChooseWindowingPlatform();
    return argc;
}

int g_termPipe[2] = {-1, -1};
constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};
volatile std::sig_atomic_t g_endRequested = 0;
std::function<void()> g_keepBeforeEnd;
std::function<bool(const QKeyEvent&, QWidget*)> g_globalKeys;

// The first request is carried to the event loop; a second one, while the game is still
// keeping what it keeps, is obeyed at once. A save cut short leaves the old file whole.
void OnTerminate(int signal) {
    if (g_endRequested) _exit(128 + signal);
    g_endRequested = 1;
    const auto byte = static_cast<char>(signal);
    [[maybe_unused]] const auto written = ::write(g_termPipe[1], &byte, 1);
}

bool IsPlayerInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            return true;
        default:
            return false;
    }
}

// Input for a screen behind the modal one: held back, and a press draws the player's eye to
// the screen that waits for him.
// The screen an event's receiver belongs to; none for message boxes and Qt's own windows.
Form* ScreenOf(QObject* receiver) {
    const auto* widget = qobject_cast<QWidget*>(receiver);
    return widget ? dynamic_cast<Form*>(widget->window()) : nullptr;
}

bool HeldBackByModal(QObject* receiver, QEvent::Type type) {
    if (!IsPlayerInput(type)) return false;
    Form* modal = Form::ModalForm();
    Form* screen = ScreenOf(receiver);  // message boxes take their own input
    if (!modal || !screen || screen == modal) return false;
    if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress) modal->Attract();
    return true;
}

}  // namespace

void ChooseWindowingPlatform() {
    // Wayland ignores where a program puts its windows, and the screens place themselves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void KeepBeforeEndOnRequest(std::function<void()> keep) {
    g_keepBeforeEnd = std::move(keep);
}

void EndOnRequest(int exitCode) {
    StopAskingThePlayer();
    if (g_keepBeforeEnd) std::exchange(g_keepBeforeEnd, nullptr)();
    EndProgram(exitCode);
}

Application::Application(int& argc, char** argv) : QApplication(PrepareEnvironment(argc), argv) {
    QFont::insertSubstitution(kPGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(kPMincho, QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(kSansSerif, QStringLiteral("DejaVu Sans"));
    setQuitOnLastWindowClosed(false);
    // Qt's own words, such as the message boxes' buttons, in the game's language whatever the
    // locale; the game's own words written in code with them.
    SetTextsLanguage(CurrentLanguage());

    // A termination request arrives on any thread; a socket brings it to the event loop, which
    // every wait of the game runs, so the program ends even from deep inside a scene.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_termPipe) == 0) {
        auto* notifier = new QSocketNotifier(g_termPipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [] {
            char signal = 0;
            [[maybe_unused]] const auto got = ::read(g_termPipe[0], &signal, 1);
            EndOnRequest(128 + signal);
        });
        for (const int signal : kTerminationSignals) std::signal(signal, OnTerminate);
    }
    // The end of the desktop session: only under an X session manager.
    connect(this, &QGuiApplication::commitDataRequest, this,
            [](QSessionManager&) { EndOnRequest(0); });
    connect(this, &QGuiApplication::saveStateRequest, this,
            [](QSessionManager&) { EndOnRequest(0); });
}

void SetGlobalKeyHandler(std::function<bool(const QKeyEvent&, QWidget*)> handler) {
    g_globalKeys = std::move(handler);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    gametime::CountEvent();
    if (event->type() == QEvent::KeyPress && g_globalKeys) {
        auto* widget = qobject_cast<QWidget*>(receiver);
        if (widget && g_globalKeys(*static_cast<QKeyEvent*>(event), widget->window())) return true;
    }
    if (HeldBackByModal(receiver, event->type())) return true;
    if (event->type() == QEvent::KeyPress) {
        Form* screen = ScreenOf(receiver);
        if (screen && screen->PreviewKey(*static_cast<QKeyEvent*>(event))) return true;
    }
    const bool handled = QApplication::notify(receiver, event);
    // An exposed window has been painted and flushed by the time its expose event returns.
    if (!g_firstWindowShown && event->type() == QEvent::Expose) {
        const auto* window = qobject_cast<QWindow*>(receiver);
        if (window && window->isExposed()) {
            g_firstWindowShown = true;
            qCInfo(lcStartup, "first window shown, %lld ms after the application began",
                   static_cast<long long>(g_sinceStart.elapsed()));
            if (afterFirstWindow_) AfterFirstWindow(std::exchange(afterFirstWindow_, nullptr));
        }
    }
    return handled;
}

void Application::AfterFirstWindow(std::function<void()> work) {
    if (g_firstWindowShown)
        QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
    else
        afterFirstWindow_ = std::move(work);
}

Application::~Application() {
    for (const int signal : kTerminationSignals) std::signal(signal, SIG_DFL);
}

}  // namespace ui

#include "ui/application.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <utility>

#include <QElapsedTimer>
#include <QFont>
#include <QLoggingCategory>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWindow>

#include "ui/Form.h"
#include "ui/gametime.h"
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

void OnTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_termPipe[1], &byte, 1);
}

}  // namespace

void ChooseWindowingPlatform() {
    // Wayland ignores where a program puts its windows, and the screens place themselves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void RequestCloseAll(int reason) {
    const QList<Form*> forms = Form::LoadedForms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        if (!(*it)->RequestClose(reason)) return;
}

Application::Application(int& argc, char** argv) : QApplication(PrepareEnvironment(argc), argv) {
    QFont::insertSubstitution(kPGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(kPMincho, QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(kSansSerif, QStringLiteral("DejaVu Sans"));
    setQuitOnLastWindowClosed(false);

    // A termination request arrives on any thread; a pipe brings it back to the event loop.
    // Nobody may be there to answer, so the screens close as asked and the program ends even
    // when game code still waits, as it does behind the logo demo.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_termPipe) == 0) {
        auto* notifier = new QSocketNotifier(g_termPipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [] {
            char byte;
            [[maybe_unused]] const auto got = ::read(g_termPipe[0], &byte, 1);
            RequestCloseAll(kCloseFromTaskManager);
            EndProgram();
        });
        for (const int signal : kTerminationSignals) std::signal(signal, OnTerminate);
    }
    connect(this, &QGuiApplication::commitDataRequest, this,
            [](QSessionManager&) { RequestCloseAll(kCloseFromSession); });
}

bool Application::notify(QObject* receiver, QEvent* event) {
    gametime::CountEvent();
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

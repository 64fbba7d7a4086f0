#include "ui/application.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include <QFont>
#include <QSessionManager>
#include <QSocketNotifier>

#include "ui/Form.h"
#include "ui/gametime.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace ui {

namespace {

int& PrepareEnvironment(int& argc) {
    ChooseWindowingPlatform();
    return argc;
}

int g_termPipe[2] = {-1, -1};

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

    // SIGTERM arrives on any thread; a pipe brings it back to the event loop.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_termPipe) == 0) {
        auto* notifier = new QSocketNotifier(g_termPipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [] {
            char byte;
            [[maybe_unused]] const auto got = ::read(g_termPipe[0], &byte, 1);
            RequestCloseAll(kCloseFromTaskManager);
        });
        std::signal(SIGTERM, OnTerminate);
    }
    connect(this, &QGuiApplication::commitDataRequest, this,
            [](QSessionManager&) { RequestCloseAll(kCloseFromSession); });
}

bool Application::notify(QObject* receiver, QEvent* event) {
    gametime::CountEvent();
    return QApplication::notify(receiver, event);
}

Application::~Application() {
    std::signal(SIGTERM, SIG_DFL);
}

}  // namespace ui

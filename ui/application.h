#pragma once

#include <functional>

#include <QApplication>

namespace ui {

// The one application object: picks the windowing platform, substitutes the design fonts and
// turns a termination request into a close request of the open screens.
class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Counts every event it delivers, so that virtual time knows when the program is idle.
    bool notify(QObject* receiver, QEvent* event) override;

    // Runs `work` from the event loop once the first window is on the screen, so that what the
    // first window does not need stays off its way.
    void AfterFirstWindow(std::function<void()> work);

  private:
    std::function<void()> afterFirstWindow_;
};

// Runs a Wayland session's game through XWayland, unless the user named a platform: the screens
// place themselves, which only X11 allows.
void ChooseWindowingPlatform();

// Asks every loaded screen to close with the given reason, newest first; stops at a refusal.
void RequestCloseAll(int reason);

}  // namespace ui

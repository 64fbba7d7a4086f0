#pragma once

#include <functional>

#include <QApplication>
#include <QKeyEvent>

namespace ui {

// The one application object: picks the windowing platform, substitutes the design fonts and
// ends the program when asked from outside.
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

// Keys that act wherever the keyboard is, before any screen sees them, such as the settings and
// full screen: `handler` gets each key press with the window it is for, and returns true when it
// took the key.
void SetGlobalKeyHandler(std::function<bool(const QKeyEvent& key, QWidget* window)> handler);

// Runs a Wayland session's game through XWayland, unless the user named a platform: the screens
// place themselves, which only X11 allows.
void ChooseWindowingPlatform();

// A signal (SIGTERM, SIGINT, SIGHUP) or the end of the desktop session asks the program to end
// when nobody may be at the screen: it never prompts. `keep` runs first, once, to keep what the
// game must not lose; then the program ends. A second signal meanwhile ends it at once.
void KeepBeforeEndOnRequest(std::function<void()> keep);
// What such a request runs on the event loop: keeps, then ends with `exitCode`.
[[noreturn]] void EndOnRequest(int exitCode);

}  // namespace ui

// The floor for the game's start-up: the least a Qt Widgets program does to put one window on
// the screen. It reports its first shown window on the same line the game does, then ends.
#include <cstdio>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWindow>

namespace {

class FloorApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        const bool handled = QApplication::notify(receiver, event);
        if (!shown_ && event->type() == QEvent::Expose) {
            const auto* window = qobject_cast<QWindow*>(receiver);
            if (window && window->isExposed()) {
                shown_ = true;
                std::fprintf(stderr, "first window shown\n");
                std::fflush(stderr);
                quit();
            }
        }
        return handled;
    }

  private:
    bool shown_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    FloorApplication app(argc, argv);
    QLabel hello(QStringLiteral("Hello, world"));
    hello.resize(235, 92);  // the size of the game's first window
    hello.show();
    return app.exec();
}

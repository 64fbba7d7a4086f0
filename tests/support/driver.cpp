#include "tests/support/driver.h"

#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

namespace driver {

namespace {
// QTest delivers straight to the widget; a person's input is held back by a modal window.
bool Reachable(QWidget* control) {
    QWidget* modal = QApplication::activeModalWidget();
    return !modal || control->window() == modal;
}
}  // namespace

void Click(QWidget* control, Qt::KeyboardModifiers modifiers) {
    if (Reachable(control)) QTest::mouseClick(control, Qt::LeftButton, modifiers);
}

void DoubleClick(QWidget* control, Qt::KeyboardModifiers modifiers) {
    if (!Reachable(control)) return;
    // As a mouse does it: a click, then the second press as a double click, then its release.
    QTest::mouseClick(control, Qt::LeftButton, modifiers);
    QTest::mouseDClick(control, Qt::LeftButton, modifiers);
    QTest::mouseRelease(control, Qt::LeftButton, modifiers);
}

void Press(QWidget* control, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (!Reachable(control)) return;
    QTest::mousePress(control, button, modifiers);
    QTest::mouseRelease(control, button, modifiers);
}

void MoveMouse(QWidget* control, QPoint at) {
    if (!Reachable(control)) return;
    if (at.x() < 0) at = control->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

void TypeKey(QWidget* window, char key, Qt::KeyboardModifiers modifiers) {
    if (Reachable(window)) QTest::keyClick(window, key, modifiers);
}

void TypeJapanese(QWidget* box, const QString& text) {
    if (!Reachable(box)) return;
    box->setFocus();
    QInputMethodEvent preedit(text, {});
    QApplication::sendEvent(box, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

void After(int ms, std::function<void()> action) {
    QTimer::singleShot(ms, qApp, std::move(action));
}

bool RunUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void RunFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

QList<MessageBoxSeen>& AnswerMessageBoxes(QList<int> standardButtons) {
    static QList<MessageBoxSeen> seen;
    seen = QList<MessageBoxSeen>(standardButtons.size());
    auto next = std::make_shared<qsizetype>(0);
    auto poll = std::make_shared<QTimer>();
    poll->setInterval(5);
    QObject::connect(poll.get(), &QTimer::timeout, qApp, [poll, next, standardButtons] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible() || box->property("answered").toBool()) continue;
            box->setProperty("answered", true);
            const qsizetype i = (*next)++;
            seen[i] = {box->windowTitle(), box->text(), true};
            if (*next == standardButtons.size()) poll->stop();
            if (QAbstractButton* button =
                    box->button(static_cast<QMessageBox::StandardButton>(standardButtons[i])))
                button->click();
            return;
        }
    });
    poll->start();
    return seen;
}

MessageBoxSeen& AnswerNextMessageBox(int standardButton) {
    return AnswerMessageBoxes({standardButton}).first();
}

}  // namespace driver

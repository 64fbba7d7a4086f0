#include "tests/support/player.h"

#include <unistd.h>

#include <cstdio>

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "campus/CampusScreen.h"
#include "campus/HistoryWindow.h"
#include "core/GameState.h"
#include "core/music.h"
#include "core/random.h"
#include "media/audio.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/runtime.h"

namespace driver {

namespace {
// QTest delivers straight to the widget; a person's input is held back by a modal window.
bool Reachable(QWidget* control) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) modal = ui::Form::ModalForm();
    return !modal || control->window() == modal;
}
}  // namespace

bool Click(QWidget* control, Qt::KeyboardModifiers modifiers) {
    if (!Reachable(control)) return false;
    QTest::mouseClick(control, Qt::LeftButton, modifiers);
    return true;
}

void DoubleClick(QWidget* control, Qt::KeyboardModifiers modifiers) {
    if (!Reachable(control)) return;
    // As a mouse does it: a click, then the second press as a double click, then its release.
    QTest::mouseClick(control, Qt::LeftButton, modifiers);
    QTest::mouseDClick(control, Qt::LeftButton, modifiers);
    QTest::mouseRelease(control, Qt::LeftButton, modifiers);
}

void MoveMouse(QWidget* control, QPoint at) {
    if (!Reachable(control)) return;
    if (at.x() < 0) at = control->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

void TypeKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers) {
    if (Reachable(window)) QTest::keyClick(window, static_cast<Qt::Key>(key), modifiers);
}

void TurnWheel(QWidget* control, int notches) {
    if (!Reachable(control)) return;
    const QPointF at = control->rect().center();
    QWheelEvent wheel(at, control->mapToGlobal(at), {}, {0, notches * 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &wheel);
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

void Press(Qt::Key key) {
    QWidget* to =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    for (ui::Form* form : ui::Form::LoadedForms())
        if (!to && form->isVisible()) to = form;
    to ? QTest::keyClick(to, key) : FailTest(QStringLiteral("no window is open"));
}

}  // namespace driver

namespace {

QMessageBox* OpenMessageBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

}  // namespace

void FailTest(const QString& reason) {
    const GameRecord& g = GameState;
    const std::string message =
        QString::asprintf(
            "%s\n  at %.3f s of game time\n  waiting in: %s\n  game: phase %d, minute %d, "
            "location %d, waiting girl '%s', mails %d",
            qUtf8Printable(reason), static_cast<double>(ui::NowMs()) / 1000,
            qUtf8Printable(ui::RunningWaits().join(QStringLiteral(" > "))),
            static_cast<int>(g.phase), g.elapsedMinutes, g.currentLocation,
            qUtf8Printable(g.pendingConversation), g.mailCount)
            .toStdString();
    ADD_FAILURE() << message;
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stdout);
    // Nested event loops cannot be unwound; the test process ends here, marked failed.
    _exit(1);
}

Player::Player(uint32_t seed) {
    Randomize(seed);
    ui::testing::SetIdleHandler([this](ui::GameMs nextDue) { return OnIdle(nextDue); });
}

Player::~Player() {
    ui::testing::SetIdleHandler({});
}

Player& Player::Then(const QString& what, std::function<bool()> when, std::function<void()> act,
                     Deadline by) {
    steps_.push_back({what, std::move(when), std::move(act), by});
    return *this;
}

Player& Player::Answer(int standardButton, Deadline by) {
    return Then(
        QStringLiteral("a message box to answer"), [] { return OpenMessageBox() != nullptr; },
        [this, standardButton] {
            QMessageBox* box = OpenMessageBox();
            boxes.append({box->windowTitle(), box->text(), {}});
            for (QAbstractButton* b : box->buttons()) boxes.last().buttons.append(b->text());
            if (QAbstractButton* button =
                    box->button(static_cast<QMessageBox::StandardButton>(standardButton)))
                button->click();
            else
                FailTest(QStringLiteral("the message box 「%1」 has no such button")
                             .arg(box->windowTitle()));
        },
        by);
}

void Player::Wait(double seconds) {
    const ui::GameMs until = ui::NowMs() + static_cast<ui::GameMs>(seconds * 1000);
    // The clock can always reach the end of the wait, even with no timer of the game's due.
    ui::gametime::Schedule(until, [] {});
    Run(
        QStringLiteral("%1 s pass").arg(seconds), [until] { return ui::NowMs() >= until; },
        Seconds(seconds + 1));
}

void Player::Run(const QString& what, const std::function<bool()>& done, Deadline by) {
    bool finished = false;
    Then(
        what, done, [&] { finished = true; }, by);
    ui::WaitUntil([&] { return finished; }, QStringLiteral("the test"));
}

bool Player::ClickThrough() {
    const QStringList waits = ui::RunningWaits();
    if (!autoClick || waits.isEmpty() || waits.last() != QLatin1String("WaitForClick") ||
        !CampusScreen.IsLoaded() || GameState.clickFlag)
        return false;
    const QString text = CampusScreen->lineLabel->Caption();
    if (!driver::Click(CampusScreen->lineLabel)) return false;
    clickedThrough.append(text);
    return true;
}

void Player::CheckDeadline(const QString& what, const Deadline& by, ui::GameMs since,
                           ui::GameMs nextDue) {
    const bool minutePassed = by.minute >= 0 && GameState.elapsedMinutes > by.minute;
    const bool timePassed =
        by.ms != ui::kNever && (nextDue == ui::kNever || nextDue > since + by.ms);
    if (minutePassed || timePassed)
        FailTest(QStringLiteral("the step '%1' did not come in time").arg(what));
}

namespace {
// Runs `act` as the handler of an event, which is how a person's input reaches the game. Qt keeps
// what a handler deletes later until the handler has returned; input sent from outside any event,
// as QTest sends it, could be deleted by a wait inside its own handler, under the widget still
// handling it.
bool AsAnEvent(const std::function<bool()>& act) {
    struct Handler : QObject {
        const std::function<bool()>& act;
        bool acted = false;
        explicit Handler(const std::function<bool()>& a) : act(a) {}
        bool event(QEvent*) override {
            acted = act();
            return true;
        }
    } handler(act);
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&handler, &event);
    return handler.acted;
}
}  // namespace

bool Player::OnIdle(ui::GameMs nextDue) {
    return AsAnEvent([this, nextDue] { return Act(nextDue); });
}

bool Player::Act(ui::GameMs nextDue) {
    // Steps look first, so that they see each line before it is clicked away.
    if (!steps_.empty()) {
        Step& front = steps_.front();
        if (front.since == ui::kNever) front.since = ui::NowMs();
        if (front.when()) {
            Step step = std::move(front);
            steps_.pop_front();
            // The next step's deadline counts from now.
            if (!steps_.empty()) steps_.front().since = ui::NowMs();
            step.act();
            return true;
        }
    }
    if ((always_ && always_()) || ClickThrough()) return true;
    if (!steps_.empty())
        CheckDeadline(steps_.front().what, steps_.front().by, steps_.front().since, nextDue);
    return false;
}

namespace {
QtMessageHandler g_standardHandler = nullptr;

void DropOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        g_standardHandler(type, context, text);
}
}  // namespace

QStringList ShownWords() {
    QList<QWidget*> windows;
    for (ui::Form* form : ui::Form::LoadedForms()) windows.append(form);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(top)) windows.append(top);
    QStringList words;
    for (QWidget* window : windows) {
        if (!window->isVisible()) continue;
        words.append(window->windowTitle());
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(window)) continue;
            QStringList own = {control->toolTip(), control->accessibleName(),
                               control->accessibleDescription()};
            if (auto* label = qobject_cast<QLabel*>(control)) own.append(label->text());
            if (auto* button = qobject_cast<QAbstractButton*>(control)) own.append(button->text());
            if (auto* choice = qobject_cast<QComboBox*>(control))
                for (int i = 0; i < choice->count(); ++i) own.append(choice->itemText(i));
            words.append(own.join(QLatin1Char('|')));
        }
    }
    return words;
}

QStringList JapaneseIn(const QStringList& words) {
    static const QRegularExpression cjk(QStringLiteral("[\u3000-\u9fff\uff00-\uffef]"));
    QStringList left;
    for (QString w : words) {
        w.remove(GameState.familyName).remove(GameState.givenName).remove(QStringLiteral("日本語"));
        if (w.contains(cjk)) left.append(w);
    }
    return left;
}

void QuietOffscreenPlatform() {
    g_standardHandler = qInstallMessageHandler(DropOffscreenWarnings);
}

bool WaitForEvents(const std::function<bool()>& done) {
    // The guard's own timer wakes the last wait, so a hang ends on time even with no event.
    QTimer guard;
    guard.setSingleShot(true);
    guard.start(std::chrono::minutes(3));
    while (!done() && guard.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

void CopyGameData() {
    const QDir data(QStringLiteral(VELMORA_DATA_DIR));
    // Not the pictures' sharper variants: a test at a larger scale copies those it shows. Nor a
    // save left there by a game played from the build: each test makes its own.
    for (const QString& name : data.entryList(QDir::Files))
        if (!name.contains(QLatin1Char('@')) && !name.startsWith(QLatin1String("VEL3DATA")))
            QFile::copy(data.filePath(name), name);
    // The other languages' conversations, in their folders.
    for (const QString& folder : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir().mkpath(folder);
        for (const QString& name : QDir(data.filePath(folder)).entryList(QDir::Files))
            QFile::copy(data.filePath(folder + QLatin1Char('/') + name),
                        folder + QLatin1Char('/') + name);
    }
}

void BeginTestGame() {
    CopyGameData();
    GameState = GameRecord{};
    GameState.lineBreak = QStringLiteral("\r\n");
    GameState.familyName = QStringLiteral("山田");
    GameState.givenName = QStringLiteral("太郎");
}

void EndTestGame() {
    if (CampusScreen.IsLoaded()) CampusScreen->minuteTimer->SetEnabled(false);
    for (ui::Form* form : ui::Form::LoadedForms()) form->Unload();
    // A campus unloaded while paused would hold every timer and sound of the next game.
    ui::Timer::HoldAll(false);
    media::PauseSound(false);
    ui::SetScale(1);
    StopMidi();
    ForgetDayLines();  // a game's lines are its own
}

#include "tests/support/player.h"

#include <QDir>
#include <QFile>

#include "core/GameState.h"
#include "core/VelMain.h"
#include "media/KV_Midi.h"
#include "tests/support/driver.h"
#include "ui/Timer.h"

Player::Player() {
    timer_.setInterval(3);
    connect(&timer_, &QTimer::timeout, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { Poll(); }, Qt::QueuedConnection);
    });
    timer_.start();
}

void Player::Then(std::function<bool()> when, std::function<void()> act) {
    steps_.push_back({std::move(when), std::move(act)});
}

void Player::Poll() {
    if (autoClick_ && VelMain.IsLoaded() &&
        VelMain->Label3->Caption() == QStringLiteral("クリックしてください")) {
        // While a modal screen is up the click does not reach the text; it is recorded once.
        const QString text = VelMain->Label1->Caption();
        if (clickedThrough.isEmpty() || clickedThrough.last() != text) clickedThrough.append(text);
        driver::Click(VelMain->Label1);
    }
    if (steps_.empty() || !steps_.front().when()) return;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    ++running_;
    step.act();
    --running_;
}

void CopyGameData() {
    const QDir data(QStringLiteral(VELMORA_DATA_DIR));
    for (const QString& name : data.entryList(QDir::Files)) QFile::copy(data.filePath(name), name);
}

void BeginTestGame() {
    CopyGameData();
    ui::testing::SetTimeScale(0.002);
    GameState = GameRecord{};
    GameState.lineBreak = QStringLiteral("\r\n");
    GameState.familyName = QStringLiteral("山田");
    GameState.givenName = QStringLiteral("太郎");
}

void EndTestGame() {
    if (VelMain.IsLoaded()) VelMain->Timer1->SetEnabled(false);
    for (ui::Form* form : ui::Form::LoadedForms()) form->Unload();
    StopMidi();
    ui::testing::SetTimeScale(1.0);
}

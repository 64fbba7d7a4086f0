#include "ui/runtime.h"

#include <unistd.h>

#include <cstdio>
#include <vector>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QThread>

#include "ui/gametime.h"
#include "ui/twips.h"

namespace ui {

namespace {

std::vector<std::function<void()>>& EndHooks() {
    static std::vector<std::function<void()>> hooks;
    return hooks;
}

}  // namespace

void DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitUntil(const std::function<bool()>& done, const QString& name) {
    gametime::RunUntil(done, name);
}

namespace {
bool g_nobodyAtTheScreen = false;
// A box closed without a button: the escape answer, or the first button when there is none.
int UnansweredResult(int style) {
    switch (style & 0x7) {
        case vbYesNoCancel:
            return vbCancel;
        case vbYesNo:
            return vbYes;
        default:
            return vbOK;
    }
}
}  // namespace

void StopAskingThePlayer() {
    g_nobodyAtTheScreen = true;
}

int MsgBox(const QString& prompt, int style, const QString& title) {
    if (g_nobodyAtTheScreen) {
        std::fprintf(
            stderr, "velmora3: %s\n",
            qPrintable(QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
        return UnansweredResult(style);
    }
    QMessageBox box;
    // A question to answer, not a window to maximize or resize.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    box.setWindowTitle(title);
    box.setText(QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // A screen reader names the box by its title and reads the question as its description.
    box.setAccessibleName(title);
    box.setAccessibleDescription(box.text());
    // At the game's scale, like its screens.
    box.setFont(DesignFont(kPGothic, 9));
    const int icon = style & 0x70;
    if (icon == vbExclamation) box.setIcon(QMessageBox::Warning);
    if (icon == vbInformation) box.setIcon(QMessageBox::Information);
    if (icon != 0 && Scale() > 1) {
        const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize) * Scale();
        const auto which =
            icon == vbExclamation ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation;
        box.setIconPixmap(box.style()->standardIcon(which).pixmap(side, side));
    }

    std::vector<std::pair<QPushButton*, int>> buttons;
    auto add = [&](QMessageBox::StandardButton which, int result) {
        buttons.emplace_back(box.addButton(which), result);
    };
    switch (style & 0x7) {
        case vbYesNoCancel:
            add(QMessageBox::Yes, vbYes);
            add(QMessageBox::No, vbNo);
            add(QMessageBox::Cancel, vbCancel);
            box.setEscapeButton(buttons[2].first);
            break;
        case vbYesNo:
            add(QMessageBox::Yes, vbYes);
            add(QMessageBox::No, vbNo);
            box.setEscapeButton(buttons[1].first);
            break;
        default:
            add(QMessageBox::Ok, vbOK);
            box.setEscapeButton(buttons[0].first);
            break;
    }
    const size_t defaultIndex = static_cast<size_t>((style & 0x300) >> 8);
    if (defaultIndex < buttons.size()) box.setDefaultButton(buttons[defaultIndex].first);

    // Shown through the game's own wait rather than exec(), so that it keeps game time too.
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    WaitUntil([&] { return !box.isVisible(); }, QStringLiteral("message box 「%1」").arg(title));
    for (const auto& [button, result] : buttons)
        if (box.clickedButton() == button) return result;
    return UnansweredResult(style);
}

int ScreenWidth() {
    return ToTwips(QGuiApplication::primaryScreen()->geometry().width());
}
int ScreenHeight() {
    return ToTwips(QGuiApplication::primaryScreen()->geometry().height());
}

void Sleep(int milliseconds) {
    if (IsVirtualTime())
        gametime::Advance(milliseconds);
    else
        QThread::msleep(static_cast<unsigned long>(std::max(0, milliseconds)));
}

void AtEndProgram(std::function<void()> hook) {
    EndHooks().push_back(std::move(hook));
}

void EndProgram(int exitCode) {
    for (auto it = EndHooks().rbegin(); it != EndHooks().rend(); ++it) (*it)();
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(exitCode);
}

}  // namespace ui

#pragma once

#include <functional>

#include <QString>

namespace ui {

// Processes every pending event and returns.
void DoEvents();

// Sleeps in the event loop until `done` holds, delivering every timer, click and key meanwhile.
// It blocks while nothing happens, so a waiting game uses no CPU. `name` says what waits, for
// the message of a test whose script never releases it.
void WaitUntil(const std::function<bool()>& done, const QString& name);

// Message box styles and results, in the classic numbering.
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// A modal message box; lines of `prompt` are joined by CR LF. Returns the button pressed.
int MsgBox(const QString& prompt, int style, const QString& title);
// Once the program is asked to end from outside, nobody may be at the screen: message boxes
// then go to standard error and return as if closed without a button.
void StopAskingThePlayer();

int ScreenWidth();   // twips
int ScreenHeight();  // twips

void Sleep(int milliseconds);

// Ends the process at once, without unwinding nested loops: the settings are synced and the
// audio stopped by the hooks registered below.
[[noreturn]] void EndProgram(int exitCode = 0);
void AtEndProgram(std::function<void()> hook);

}  // namespace ui

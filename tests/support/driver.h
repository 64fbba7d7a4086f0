#pragma once

#include <functional>

#include <QString>
#include <QWidget>

// Plays the game as a person would: clicks real controls, presses keys, answers message boxes.
namespace driver {

void Click(QWidget* control, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void DoubleClick(QWidget* control, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Press(QWidget* control, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
void MoveMouse(QWidget* control, QPoint at = QPoint(-1, -1));
void TypeKey(QWidget* window, char key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types text as a Japanese input method does: the converted text is committed to the box.
void TypeJapanese(QWidget* box, const QString& text);

// Runs `action` from the event loop after `ms` real milliseconds.
void After(int ms, std::function<void()> action);

// Processes events until `done` holds or `timeoutMs` passes; returns whether it held.
bool RunUntil(const std::function<bool()>& done, int timeoutMs = 5000);
void RunFor(int ms);

// Answers the next message box that opens by pressing the button with the given caption role
// (QMessageBox::Yes, No, Cancel or Ok), and records its text and title.
struct MessageBoxSeen {
    QString title;
    QString text;
    bool seen = false;
};
MessageBoxSeen& AnswerNextMessageBox(int standardButton);

// Answers the next message boxes in turn, one button each; returns what each showed.
QList<MessageBoxSeen>& AnswerMessageBoxes(QList<int> standardButtons);

}  // namespace driver

#pragma once

#include <QTextEdit>

#include "ui/Form.h"
#include "ui/controls.h"

// The day's lines: every line shown on the campus screen since the game began, oldest first,
// each with its speaker (none for narration). Open, the history shows a new one at its end.
void RememberLine(const QString& speaker, const QString& text);
// A game begins, new or resumed, with no lines behind it.
void ForgetDayLines();

// The day's lines as a list to read back: speakers in the game's blue above what they said.
// A click on it closes it, and so does the wheel turned down once the end is in view.
class DayLineList : public QTextEdit, public ui::MouseEvents, public ui::ScaleAware {
  public:
    DayLineList(QWidget* parent, int left, int top, int width, int height);
    // Adds the day's lines it does not show yet.
    void AppendNewLines();
    void ScrollToEnd();
    bool AtEnd() const;
    // Turns the list by a wheel's `delta` (see MouseEvents::onMouseWheel); true when it was
    // turned down with the end already in view.
    bool Turn(int delta);
    void ScaleChanged() override;  // the gaps between lines are in pixels

  protected:
    void mousePressEvent(QMouseEvent* e) override { HandlePress(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { HandleRelease(viewport(), e); }
    void wheelEvent(QWheelEvent* e) override { HandleWheel(e); }

  private:
    qsizetype shown_ = 0;
};

// The day's lines, opened from the campus screen with Up or the wheel over its text. It stands
// over the screen's scene picture only, so that the clock, the places and the line the game
// shows now stay in sight, and the clock runs on while the player reads. Lines shown meanwhile
// come at its end. It is a window of its own: no key or click on it reaches the campus screen,
// so it never reads on a line that waits for a click.
class HistoryWindowForm : public ui::Form {
  public:
    HistoryWindowForm();

    DayLineList* lineList;
    ui::Label* hintLabel;

    // A window of `screen`'s, over its top left: kept above it, and gone with it.
    void StandOver(ui::Form& screen);
    // The wheel turned over the campus screen's text while this is open.
    void Turn(int delta);
    void ShowWords();
    bool WantsEscape() const override { return true; }  // Esc closes it, even in full screen

  protected:
    void Form_Load() override { lineList->AppendNewLines(); }
    void Form_LanguageChanged() override {
        ShowWords();
        Form::Form_LanguageChanged();
    }
    void Form_OuterSizeChanged() override;
    void Form_QueryUnload(int& cancel, int reason) override;
    bool Form_KeyPreview(int keyCode, int keyAscii) override;
    void Form_KeyDown(int keyCode, int) override { TakeClosingKey(keyCode); }

  private:
    bool TakeClosingKey(int keyCode);
};

inline ui::DefaultInstance<HistoryWindowForm> HistoryWindow;

// Opens the day's lines over `screen`, scrolled to the latest, or brings them to the front.
void OpenHistory(ui::Form& screen);

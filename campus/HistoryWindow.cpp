#include "campus/HistoryWindow.h"

#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCoreApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextLayout>
#include <QWindow>

#include "campus/AnswerWindow.h"
#include "ui/twips.h"

namespace {

// Over the scene picture and its shadow, clear of the speaker's name and the side bar.
constexpr int kClientWidth = 4785;
constexpr int kClientHeight = 3105;
constexpr int kListHeight = 2805;
constexpr int kLineGap = 90;      // twips between one line and the next speaker
constexpr int kListMargin = 90;   // twips around the lines
constexpr int kWheelNotch = 120;  // a wheel's delta for one notch

const QColor kSpeakerColour = ui::BgrColor(0x00C00000);

struct ShownLine {
    QString speaker;
    QString text;
};
QList<ShownLine> g_dayLines;

}  // namespace

void RememberLine(const QString& speaker, const QString& text) {
    g_dayLines.append({speaker, text});
    if (HistoryWindow.IsLoaded()) HistoryWindow->lineList->AppendNewLines();
}

void ForgetDayLines() {
    g_dayLines.clear();
    HistoryWindow.Unload();
}

DayLineList::DayLineList(QWidget* parent, int left, int top, int width, int height)
    : QTextEdit(parent) {
    ui::PlaceTwips(this, left, top, width, height);
    setFont(ui::DesignFont(ui::kPGothic, 9.75));
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    document()->setDocumentMargin(ui::ToPixels(kListMargin));
}

void DayLineList::AppendNewLines() {
    const QList<ShownLine>& lines = g_dayLines;
    if (shown_ == lines.size()) return;
    const bool follow = AtEnd();
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat gap;
    gap.setTopMargin(ui::ToPixels(kLineGap));
    QTextCharFormat speaker;
    speaker.setForeground(kSpeakerColour);
    speaker.setFontWeight(QFont::Bold);
    for (; shown_ < lines.size(); ++shown_) {
        const ShownLine& line = lines[shown_];
        if (!document()->isEmpty()) cursor.insertBlock(gap, {});
        if (!line.speaker.isEmpty()) {
            cursor.insertText(line.speaker, speaker);
            cursor.insertBlock(QTextBlockFormat(), {});
        }
        cursor.insertText(line.text, {});
    }
    if (follow) ScrollToEnd();
}

void DayLineList::ScrollToEnd() {
    QTextFrame* root = document()->rootFrame();
    QTextFrameFormat frame = root->frameFormat();
    const auto layOut = [&](int bottomMargin) {
        frame.setBottomMargin(bottomMargin);
        root->setFrameFormat(frame);
        // Laid out first, so that the scroll bar knows the whole length.
        document()->documentLayout()->blockBoundingRect(document()->lastBlock());
    };
    const int margin = ui::ToPixels(kListMargin);
    layOut(margin);
    // The view begins with a whole line: a line the top edge would cut is scrolled past, and
    // the room that leaves goes below the last line.
    QScrollBar* bar = verticalScrollBar();
    const int top = bar->maximum();
    const qreal cut = [&] {
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            const QTextLayout* lines = block.layout();
            for (int i = 0; i < lines->lineCount(); ++i) {
                const qreal lineTop = lines->position().y() + lines->lineAt(i).y();
                const qreal lineBottom = lineTop + lines->lineAt(i).height();
                if (lineBottom > top) return lineTop < top ? lineBottom - top : 0.0;
            }
        }
        return 0.0;
    }();
    if (top > 0 && cut > 0) layOut(margin + static_cast<int>(std::ceil(cut)));
    bar->setValue(bar->maximum());
}

bool DayLineList::AtEnd() const {
    return verticalScrollBar()->value() == verticalScrollBar()->maximum();
}

bool DayLineList::Turn(int delta) {
    if (delta < 0 && AtEnd()) return true;
    QScrollBar* bar = verticalScrollBar();
    const double lines = double(delta) / kWheelNotch * QApplication::wheelScrollLines();
    bar->setValue(bar->value() - static_cast<int>(std::lround(lines * bar->singleStep())));
    return false;
}

void DayLineList::ScaleChanged() {
    clear();
    document()->setDocumentMargin(ui::ToPixels(kListMargin));
    shown_ = 0;
    AppendNewLines();
}

void HistoryWindowForm::ShowWords() {
    SetCaption(QCoreApplication::translate("History", "テキスト履歴 -Velmora 3rd STORY-"));
    hintLabel->SetCaption(
        QCoreApplication::translate("History", "Esc・クリック・一番下でホイールを下へ：閉じる"));
    lineList->setAccessibleName(QCoreApplication::translate("History", "テキスト履歴"));
    lineList->setAccessibleDescription(QCoreApplication::translate(
        "History", "ゲームの始めから表示された文章。新しいものが一番下にあります"));
}

HistoryWindowForm::HistoryWindowForm() {
    SetClientSize(kClientWidth, kClientHeight);
    SetIcon(QStringLiteral("Icon.png"));
    lineList = new DayLineList(this, 0, 0, kClientWidth, kListHeight);
    hintLabel = new ui::Label(this, 120, kListHeight + 45, kClientWidth - 240, 240);
    hintLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    ShowWords();
    setFocusProxy(lineList);
    lineList->onClick = [this] { Unload(); };
    lineList->onMouseWheel = [this](int delta) { Turn(delta); };
}

void HistoryWindowForm::StandOver(ui::Form& screen) {
    setParent(&screen, windowFlags());
    Form_OuterSizeChanged();
}

// Its title bar lies over the top of the screen's picture, below the screen's own title bar, and
// it is shorter by that bar, so that its lines end where the picture's shadow ends and the
// speaker's name below stays in sight.
void HistoryWindowForm::Form_OuterSizeChanged() {
    const auto* screen = dynamic_cast<ui::Form*>(parentWidget());
    if (!screen) return;
    const QMargins frame =
        isVisible() && windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const int clientHeight = std::max(kClientHeight - ui::ToTwips(frame.top()), kClientHeight / 2);
    if (ui::ToPixels(clientHeight) != height()) {
        const bool atEnd = lineList->AtEnd();
        const int listHeight = clientHeight - (kClientHeight - kListHeight);
        SetClientSize(kClientWidth, clientHeight);
        ui::PlaceTwips(lineList, 0, 0, kClientWidth, listHeight);
        ui::PlaceTwips(hintLabel, 120, listHeight + 45, kClientWidth - 240, 240);
        if (atEnd) lineList->ScrollToEnd();
    }
    const int screenTitle = ui::ToTwips(screen->geometry().y() - screen->frameGeometry().y());
    Move(screen->Left(), screen->Top() + screenTitle);
}

void HistoryWindowForm::Turn(int delta) {
    if (lineList->Turn(delta)) Unload();
}

bool HistoryWindowForm::Form_KeyPreview(int keyCode, int) {
    return TakeClosingKey(keyCode);
}

bool HistoryWindowForm::TakeClosingKey(int keyCode) {
    const bool closes = keyCode == Qt::Key_Escape || (keyCode == Qt::Key_Down && lineList->AtEnd());
    if (closes) Unload();
    return closes;
}

void HistoryWindowForm::Form_QueryUnload(int&, int) {
    // The keyboard goes back to where the game waits for the player.
    if (AnswerWindow.IsLoaded() && AnswerWindow->isVisible())
        AnswerWindow->activateWindow();
    else if (parentWidget())
        parentWidget()->activateWindow();
}

void OpenHistory(ui::Form& screen) {
    const bool opening = !HistoryWindow.IsLoaded();
    if (opening) HistoryWindow->StandOver(screen);
    HistoryWindow->Show();
    if (opening) {
        HistoryWindow->lineList->setFocus();
        HistoryWindow->lineList->ScrollToEnd();
    }
}

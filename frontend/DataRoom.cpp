#include "frontend/DataRoom.h"

#include <QCoreApplication>

#include "core/GameState.h"
#include "records/clearrecord.h"
#include "records/settings.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/accessible.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

constexpr int kRows = 9;
const QColor kInk = ui::BgrColor(0x00FF0000);  // the room's blue
constexpr int kMarkOffset = 10;
// The option button wakes once this many rows are filled, even by repeated or unknown marks.
constexpr int kRowsForOptions = 8;
enum ReplayMode : int16_t { kNoReplay = 0, kReplayConfession = 1, kReplayMutualLove = 2 };

}  // namespace

DataRoomForm::DataRoomForm() {
    SetCaption(QStringLiteral("Velmora 3rd STORY Data room"));
    SetClientSize(6195, 5310);
    SetIcon(QStringLiteral("Icon.png"));

    titleLabel = new ui::Label(this, 480, 120, 2295, 375);
    titleLabel->SetForeColor(kInk);
    titleLabel->setFont(ui::DesignFont(ui::kPGothic, 15.75));
    iconPicture = new ui::Image(this, 0, 0, 480, 480);
    iconPicture->LoadPicture(QStringLiteral("Icon.png"));
    listTitleLabel = new ui::Label(this, 3240, 240, 2655, 255);
    listTitleLabel->SetForeColor(ui::BgrColor(0x00FF00FF));
    listTitleLabel->setFont(ui::DesignFont(ui::kPGothic, 11.25));
    new ui::Line(this, -120, 600, 6600, 600, kInk);
    BuildRows();
    BuildLegend();
    BuildButtons();
    rowHeroine_.fill(0);
    rowMark_.fill(-1);
}

void DataRoomForm::BuildRows() {
    for (int i = 0; i < kRows; ++i) {
        auto* icon = new ui::Image(this, 120, 720 + 480 * i, 480, 480);
        icon->onMouseDown = [this](int, int shift, int, int) { Row_MouseDown(shift); };
        icon->onDblClick = [this, i] { Row_DblClick(i); };
        rowPictures.Add(i, icon);
        auto* mark = new ui::Image(this, 720, 720 + 480 * i, 480, 480);
        mark->onMouseDown = [this](int, int shift, int, int) { Row_MouseDown(shift); };
        mark->onDblClick = [this, i] { Row_DblClick(kMarkOffset + i); };
        rowPictures.Add(kMarkOffset + i, mark);
        auto* name = new ui::Label(this, 1200, 840 + 480 * i, 1935, 375);
        name->SetForeColor(kInk);
        name->setFont(ui::DesignFont(ui::kPMincho, 11.25));
        rowNames.Add(i, name);
    }
    for (int k = 1; k <= kHeroineCount; ++k) {
        auto* source = new ui::Image(this, 120 * k, 6000, 480, 480);
        source->LoadPicture(QStringLiteral("Heroine%1.png").arg(k));
        source->hide();
        heroineIcons.Add(k - 1, source);
    }
}

void DataRoomForm::BuildLegend() {
    legendFrame = new ui::Shape(this, 3435, 840, 2580, 495);
    legendFrame->SetBorder(kInk, 1);
    const char* markFiles[] = {"MarkConfession.png", "MarkMutual.png"};
    for (int m = 0; m < 2; ++m) {
        auto* mark = new ui::Image(this, 3480 + 1320 * m, 840, 480, 480);
        mark->LoadPicture(QString::fromLatin1(markFiles[m]));
        markPictures.Add(m, mark);
        auto* label = new ui::Label(this, 3960 + 1320 * m, 960, 840, 255);
        label->SetForeColor(kInk);
        markLabels.Add(m, label);
    }
}

void DataRoomForm::BuildButtons() {
    helpLabel = new ui::Label(this, 3360, 1560, 2775, 2055);
    helpLabel->SetForeColor(kInk);
    optionButton = new ui::CommandButton(this, 3360, 3960, 2775, 495, QString());
    optionButton->setEnabled(false);
    clearButton = new ui::CommandButton(this, 3360, 4800, 1095, 375, QString());
    backButton = new ui::CommandButton(this, 4680, 4800, 1455, 375, QString());
    backButton->onClick = [] { DataRoom.Unload(); };
    setTabOrder(optionButton, clearButton);
    setTabOrder(clearButton, backButton);
    clearButton->onClick = [this] { ClearButton_Click(); };
    optionButton->onClick = [this] { OptionButton_Click(); };
}

void DataRoomForm::Form_Load() {
    ui::CenterForm(*this);
    const QString record = GetSetting(kClearRecordKey);
    int row = 0;
    for (qsizetype at = 0; at < record.size() && row < kRows; at += 2, ++row) {
        const qsizetype heroine = kHeroineMarkers.indexOf(record.at(at)) + 1;
        // A character that is no marker still uses up its row.
        if (heroine == 0) continue;
        rowPictures(row).SetPicture(heroineIcons(static_cast<int>(heroine - 1)).Picture());
        rowHeroine_[static_cast<size_t>(row)] = static_cast<int>(heroine);
        const QChar digit = at + 1 < record.size() ? record.at(at + 1) : QChar();
        const int bits = digit.isDigit() ? digit.digitValue() : 0;
        if (bits != 0) {
            const int m = bits & kMutualLoveBit ? 1 : 0;
            rowPictures(row + kMarkOffset).SetPicture(markPictures(m).Picture());
            rowMark_[static_cast<size_t>(row)] = m;
        }
    }
    if (row >= kRowsForOptions) optionButton->setEnabled(true);
    ShowWords();
}

void DataRoomForm::ShowWords() {
    const auto words = [](const char* text) {
        return QCoreApplication::translate("DataRoom", text);
    };
    titleLabel->SetCaption(words(QT_TRANSLATE_NOOP("DataRoom", "データルーム")));
    ui::Describe(iconPicture, words(QT_TRANSLATE_NOOP("DataRoom", "ゲームのアイコン")), QString());
    listTitleLabel->SetCaption(words(QT_TRANSLATE_NOOP("DataRoom", "クリアした女の子　一覧表")));
    static const char* const markNames[] = {QT_TRANSLATE_NOOP("DataRoom", "告白"),
                                            QT_TRANSLATE_NOOP("DataRoom", "両想い")};
    for (int m = 0; m < 2; ++m) {
        const QString name = words(markNames[m]);
        ui::Describe(&markPictures(m), words(QT_TRANSLATE_NOOP("DataRoom", "%1のマーク")).arg(name),
                     words(QT_TRANSLATE_NOOP("DataRoom", "一覧のしるしの意味。")));
        markLabels(m).SetCaption(QStringLiteral("=") + name);
    }
    const QString empty = words(QT_TRANSLATE_NOOP("DataRoom", "空いている欄"));
    for (int i = 0; i < kRows; ++i) {
        const int heroine = rowHeroine_[static_cast<size_t>(i)];
        const int mark = rowMark_[static_cast<size_t>(i)];
        const QString name = heroine != 0 ? story::Q(story::HeroineName(heroine)) : QString();
        rowNames(i).SetCaption(name);
        ui::Describe(
            &rowPictures(i),
            heroine != 0 ? words(QT_TRANSLATE_NOOP("DataRoom", "%1の顔")).arg(name) : empty,
            words(QT_TRANSLATE_NOOP("DataRoom", "%1番目にクリアした女の子の顔。")).arg(i + 1));
        ui::Describe(&rowPictures(kMarkOffset + i),
                     mark >= 0 ? markPictures(mark).accessibleName() : empty,
                     words(QT_TRANSLATE_NOOP("DataRoom", "%1番目のクリアのしるし。")).arg(i + 1));
        ui::Describe(
            &rowNames(i), QString(),
            words(QT_TRANSLATE_NOOP("DataRoom", "%1番目にクリアした女の子の名前。")).arg(i + 1));
    }
    optionButton->setText(words(QT_TRANSLATE_NOOP("DataRoom", "オプションセット")));
    clearButton->setText(words(QT_TRANSLATE_NOOP("DataRoom", "データ消去")));
    backButton->setText(words(QT_TRANSLATE_NOOP("DataRoom", "戻る")));
    ui::Describe(helpLabel, QString(),
                 QCoreApplication::translate("DataRoom", "データルームの説明。"));
    ui::Describe(
        optionButton, QString(),
        QCoreApplication::translate("DataRoom", "お知らせを見ます。一定数クリアすると押せます。"));
    ui::Describe(clearButton, QString(),
                 QCoreApplication::translate("DataRoom",
                                             "クリアの記録をすべて消します。消す前に確かめます。"));
    ui::Describe(backButton, QString(),
                 QCoreApplication::translate("DataRoom", "スタートメニューに戻ります。"));
    const QString& br = GameState.lineBreak;
    helpLabel->SetCaption(
        QCoreApplication::translate("DataRoom", "　クリアした順番に、上から並んでいます。") + br +
        QCoreApplication::translate(
            "DataRoom",
            "　「告白」、「両想い」の両方をクリアした場合は、「両想い」マークがつきます。") +
        br +
        QCoreApplication::translate(
            "DataRoom", "　一定数クリアすると、下の「オプションセット」ボタンが有効になります。") +
        br +
        QCoreApplication::translate(
            "DataRoom",
            "　全てのクリアデータを消去したいときは、データ消去ボタンを押してください。"));
}

void DataRoomForm::Form_LanguageChanged() {
    ShowWords();
    Form::Form_LanguageChanged();
}

void DataRoomForm::ClearButton_Click() {
    const int answer = ui::MsgBox(
        QCoreApplication::translate(
            "DataRoom",
            "全てのデータをクリアします（一人もクリアしていない状態に戻します）！よろしいですか？"),
        ui::vbYesNo | ui::vbDefaultButton2 | ui::vbInformation, QStringLiteral("Data Clear!!!"));
    if (answer == ui::vbYes) DeleteSettingsSection();
}

void DataRoomForm::OptionButton_Click() {
    QStringList lines;
    for (std::string_view line : story::DataRoomAnnouncementLines()) lines.append(story::Q(line));
    ui::MsgBox(lines.join(GameState.lineBreak), ui::vbOKOnly | ui::vbInformation,
               story::Q(story::DataRoomAnnouncementTitle()));
}

void DataRoomForm::Row_MouseDown(int shift) {
    replayMode_ = kNoReplay;
    if ((shift & (ui::kShiftMask | ui::kCtrlMask)) == (ui::kShiftMask | ui::kCtrlMask))
        replayMode_ = kReplayConfession;
    if ((shift & (ui::kShiftMask | ui::kCtrlMask | ui::kAltMask)) ==
        (ui::kShiftMask | ui::kCtrlMask | ui::kAltMask))
        replayMode_ = kReplayMutualLove;
}

void DataRoomForm::Row_DblClick(int index) {
    if (!optionButton->isEnabled() || replayMode_ == kNoReplay) return;
    // Marks and empty rows have no heroine behind them.
    if (index >= kRows || rowNames(index).Caption().isEmpty()) return;
    // The row shows her whole name in either language; in English three given names share an
    // initial, so the name is matched whole.
    const QString name = rowNames(index).Caption();
    int heroine = 0;
    for (int k = 1; k <= kHeroineCount && heroine == 0; ++k)
        if (story::Q(story::ja::HeroineName(k)) == name ||
            story::Q(story::en::HeroineName(k)) == name)
            heroine = k;
    if (heroine == 0) return;

    GameRecord& g = GameState;
    for (int h = 1; h <= kCampusHeroines; ++h) g.metStage[static_cast<size_t>(h)] = 1;
    // Affection that lands the ending choice on her; 100 and -100 also mark the replay.
    if (heroine <= kCampusHeroines) {
        g.affection[static_cast<size_t>(heroine)] = kReplayAffection;
    } else {
        const int16_t others = heroine == 7 ? 1 : 4;
        for (int h = 2; h <= kCampusHeroines; ++h) g.affection[static_cast<size_t>(h)] = others;
        g.affection[1] = -kReplayAffection;
    }
    g.targetHeroine = static_cast<int16_t>(replayMode_ == kReplayMutualLove ? heroine : 9);
    g.familyName = GetSetting(kSavedFamilyNameKey);
    g.givenName = GetSetting(kSavedGivenNameKey);
    replayChosen_ = true;
    Hide();  // the start menu that opened the room plays the ending
}

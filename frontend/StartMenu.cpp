#include "frontend/StartMenu.h"

#include <array>

#include <QCoreApplication>
#include <QTime>

#include "campus/CampusScreen.h"
#include "core/GameState.h"
#include "core/music.h"
#include "core/random.h"
#include "core/savefile.h"
#include "endings/closing.h"
#include "frontend/DataRoom.h"
#include "frontend/SettingsWindow.h"
#include "frontend/session.h"
#include "records/settings.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/accessible.h"
#include "ui/runtime.h"
#include "ui/textroom.h"
#include "ui/twips.h"

namespace {

constexpr int kEntries = 3;
const QColor kBackground(232, 255, 204);
const QColor kHighlight(255, 255, 192);
const std::array<QColor, kEntries> kEntryColours = {QColor(255, 224, 192), QColor(192, 255, 192),
                                                    QColor(255, 192, 255)};
constexpr int kStartingAffectionRange = 5;

}  // namespace

QString GreetingForHour(int hour) {
    if (hour < 4) return QCoreApplication::translate("StartMenu", "よう！");
    if (hour < 11) return QCoreApplication::translate("StartMenu", "おはよう！");
    if (hour < 18) return QCoreApplication::translate("StartMenu", "こんにちは！");
    return QCoreApplication::translate("StartMenu", "よう！");
}

StartMenuForm::StartMenuForm() {
    SetCaption(QStringLiteral("Velmora 3rd STORY -start-"));
    SetClientSize(6285, 3585);
    SetBackColor(kBackground);
    SetIcon(QStringLiteral("Icon.png"));
    BuildFriend();
    BuildEntries();
    BuildNamePanel();
    BuildLoadAndMusic();
    ShowWords();
}

void StartMenuForm::BuildFriend() {
    auto* portrait = new ui::Image(this, 0, 240, 2250, 3000);
    portrait->LoadPicture(QStringLiteral("Friend.png"));
    friendPicture.Add(0, portrait);
    // The balloon's tail points down to the friend.
    for (int i = 0; i < 3; ++i) new ui::Line(this, 2220 + 15 * i, 780, 1860, 1140, Qt::black, 1);
    balloonShape = new ui::Shape(this, 2160, 30, 3975, 975);
    balloonShape->SetFill(QColor(255, 255, 192));
    balloonShape->SetBorder(Qt::black, 2);
    balloonShape->SetRounded(true);
    balloonLabel = new ui::Label(this, 2400, 150, 3615, 735);
    balloonLabel->SetVoiced(true);
}

void StartMenuForm::BuildEntries() {
    for (int i = 0; i < kEntries; ++i) {
        auto* entry = new ui::Label(this, 2640, 1200 + 720 * i, 3255, 495);
        entry->setFont(ui::DesignFont(ui::kPGothic, 20.25));
        entry->setAlignment(Qt::AlignCenter);
        entry->SetBackColor(kEntryColours[static_cast<size_t>(i)]);
        entry->onClick = [this, i] { Entry_Click(i); };
        entry->onMouseMove = [this, i](int, int, int, int) { Entry_MouseMove(i); };
        ui::TakeKeyboard(entry, [this, i] { Entry_MouseMove(i); });
        if (i > 0) setTabOrder(&entries(i - 1), entry);
        entries.Add(i, entry);
    }
}

void StartMenuForm::BuildNamePanel() {
    namePanel = new ui::Panel(this, 2880, 1080, 2895, 2175);
    namePanel->SetBackColor(kBackground);
    namePanel->hide();
    familyNameLabel = new ui::Label(namePanel, 120, 120, 1695, 255);
    familyNameBox = new ui::TextBox(namePanel, 120, 360, 2535, 375);
    givenNameLabel = new ui::Label(namePanel, 120, 960, 2055, 255);
    givenNameBox = new ui::TextBox(namePanel, 120, 1200, 2535, 375);
    nameOkButton = new ui::CommandButton(namePanel, 1680, 1680, 975, 375, QStringLiteral("O K"));
    familyNameLabel->setBuddy(familyNameBox);
    givenNameLabel->setBuddy(givenNameBox);
    setTabOrder(familyNameBox, givenNameBox);
    setTabOrder(givenNameBox, nameOkButton);
}

void StartMenuForm::ShowWords() {
    static const char* const captions[] = {QT_TRANSLATE_NOOP("StartMenu", "新しくはじめる"),
                                           QT_TRANSLATE_NOOP("StartMenu", "前回の続き"),
                                           QT_TRANSLATE_NOOP("StartMenu", "データルーム")};
    static const char* const descriptions[] = {
        QT_TRANSLATE_NOOP("StartMenu", "名前を書いて、新しいゲームを始めます。"),
        QT_TRANSLATE_NOOP("StartMenu", "セーブしたゲームの続きを遊びます。"),
        QT_TRANSLATE_NOOP("StartMenu", "クリアした女の子の一覧を見ます。")};
    const auto words = [](const char* text) {
        return QCoreApplication::translate("StartMenu", text);
    };
    ui::Describe(balloonLabel, QString(),
                 words(QT_TRANSLATE_NOOP("StartMenu", "友だちの吹き出し。")));
    for (int i = 0; i < kEntries; ++i) {
        entries(i).SetCaption(words(captions[i]));
        ui::Describe(&entries(i), QString(), words(descriptions[i]));
    }
    const QString family = QCoreApplication::translate("StartMenu", "みょうじ");
    const QString given = QCoreApplication::translate("StartMenu", "なまえ");
    familyNameLabel->SetCaption(family);
    givenNameLabel->SetCaption(given);
    const QString nameTip =
        QCoreApplication::translate("StartMenu", "ちゃんと入力した方が、あとで楽しいよ。");
    familyNameBox->setToolTip(nameTip);
    givenNameBox->setToolTip(nameTip);
    nameOkButton->setToolTip(
        QCoreApplication::translate("StartMenu", "両方入力できたら、クリックしてね。"));
    ui::Describe(familyNameBox, family,
                 QCoreApplication::translate("StartMenu", "あなたのみょうじ（姓）。") + nameTip);
    ui::Describe(givenNameBox, given,
                 QCoreApplication::translate("StartMenu", "あなたのなまえ（名）。") + nameTip);
    ui::Describe(nameOkButton, QStringLiteral("OK"),
                 QCoreApplication::translate("StartMenu", "この名前でゲームを始めます。"));
    ui::Describe(
        loadOkButton, QStringLiteral("OK"),
        QCoreApplication::translate("StartMenu", "セーブしたデータを読み込んで、続きを始めます。"));
    ui::Describe(captionLabel, QString(),
                 QCoreApplication::translate("StartMenu", "友だちの紹介。"));
    settingsButton->setText(QCoreApplication::translate("StartMenu", "設定 (F10)"));
    ui::Describe(settingsButton, QCoreApplication::translate("StartMenu", "設定"),
                 QCoreApplication::translate(
                     "StartMenu", "音量、画面の大きさ、サウンドフォント、全画面を決めます。"));
    ui::Image& portrait = friendPicture(0);
    portrait.setToolTip(story::Q(story::AlbumFriendTooltip()));
    ui::Describe(&portrait, story::Q(story::AlbumFriendName()), portrait.toolTip());
    captionLabel->SetCaption(story::Q(story::StartMenuCaption()));
    if (balloonWords_) balloonLabel->SetCaption(balloonWords_());
}

void StartMenuForm::Form_LanguageChanged() {
    ShowWords();
    Form::Form_LanguageChanged();
}

void StartMenuForm::SayInBalloon(std::function<QString()> words) {
    balloonWords_ = std::move(words);
    balloonLabel->SetCaption(balloonWords_());
}

void StartMenuForm::BuildLoadAndMusic() {
    loadOkButton = new ui::CommandButton(this, 3600, 1680, 1215, 495, QStringLiteral("O K"));
    loadOkButton->hide();
    captionLabel = new ui::Label(this, 360, 3360, 4095, 255, story::Q(story::StartMenuCaption()));
    settingsButton = new ui::CommandButton(this, 4800, 3240, 1335, 300, QString());
    settingsButton->onClick = [] { OpenSettings(); };

    musicKeeper = new ui::Timer(this, 1000, true);
    musicKeeper->onTimer = [] { KeepMidiPlaying(); };
    nameOkButton->onClick = [this] { NameOk_Click(); };
    // Enter in either box hands the names in, as the OK button does.
    for (ui::TextBox* box : {familyNameBox, givenNameBox})
        QObject::connect(box, &QLineEdit::returnPressed, this, [this] { NameOk_Click(); });
    loadOkButton->onClick = [this] { LoadOk_Click(); };
}

void StartMenuForm::Form_Load() {
    GameState.musicFile = QStringLiteral("M391C.mid");
    StopMidi();
    ui::CenterForm(*this);
    ShowGreeting();
}

void StartMenuForm::ShowGreeting() {
    const int hour = QTime::currentTime().hour();
    SayInBalloon([hour] {
        return GreetingForHour(hour) + GameState.lineBreak +
               QCoreApplication::translate("StartMenu", "今日は何して遊ぶんだい？");
    });
}

void StartMenuForm::Form_QueryUnload(int&, int) {
    StopMidi();
}

void StartMenuForm::Form_MouseMove(int, int, int, int) {
    if (repainted_) return;
    for (int i = 0; i < kEntries; ++i)
        entries(i).SetBackColor(kEntryColours[static_cast<size_t>(i)]);
    repainted_ = true;
}

void StartMenuForm::Entry_MouseMove(int index) {
    for (int i = 0; i < kEntries; ++i)
        entries(i).SetBackColor(i == index ? kHighlight : kEntryColours[static_cast<size_t>(i)]);
    repainted_ = false;
}

void StartMenuForm::ShowEntries(bool visible) {
    for (int i = 0; i < kEntries; ++i) entries(i).setVisible(visible);
}

void StartMenuForm::Entry_Click(int index) {
    switch (index) {
        case 0:
            ShowEntries(false);
            namePanel->show();
            SayInBalloon([] {
                return QCoreApplication::translate(
                    "StartMenu",
                    "俺はアルバム委員なんだ！名簿を作るから、君の名前をここに記入してくれ。");
            });
            // The focus first: a screen reader that hears the caret move in a box before it
            // hears the box take the keyboard takes the box as already announced.
            familyNameBox->setFocus();
            familyNameBox->SetText(GetSetting(kSavedFamilyNameKey));
            givenNameBox->SetText(GetSetting(kSavedGivenNameKey));
            break;
        case 1:
            if (!SaveExists()) {
                SayInBalloon([] {
                    return QCoreApplication::translate(
                        "StartMenu", "ありゃ？前回の記録がないなぁ。ちゃんとセーブしたのかよ？");
                });
                break;
            }
            ShowEntries(false);
            loadOkButton->show();
            SayInBalloon([] {
                return QCoreApplication::translate(
                    "StartMenu",
                    "じゃぁ、データを読み込むぞ。ゲームを途中でやめるときは、ちゃんとセーブしろよ。セーブを忘れると、次回続きが出来ないからな。");
            });
            break;
        default:
            if (GetSetting(QStringLiteral("Cstring")).isEmpty()) {
                SayInBalloon([] {
                    return QCoreApplication::translate(
                        "StartMenu",
                        "ここは、一度でもゲームを最後まで終わらせない限り、見せるわけにはいかねぇんだ。悪ぃな。");
                });
                break;
            }
            DataRoom->ShowModal();
            if (DataRoom->ReplayChosen()) return ReplayEnding();
            DataRoom.Unload();
            break;
    }
}

void StartMenuForm::NameOk_Click() {
    const QString family = familyNameBox->Text();
    const QString given = givenNameBox->Text();
    if (family.isEmpty() || given.isEmpty()) {
        SayInBalloon([] {
            return QCoreApplication::translate(
                "StartMenu", "おい、ふざけてないで、ちゃんと書いてくれよ！俺、泣いちゃうぞ。");
        });
        return;
    }
    for (const QString& name : {family, given}) {
        // A name is never cut short: one that has no room in the lines is handed back.
        if (!ui::NameFits(name, LineFont())) {
            SayInBalloon([] {
                return QCoreApplication::translate(
                    "StartMenu",
                    "その名前じゃ長すぎて、名簿に書ききれないよ。もう少し短くしてくれ。");
            });
            return;
        }
        if (const QString problem = NameProblem(name); !problem.isEmpty()) {
            SayInBalloon([name] { return NameProblem(name); });
            return;
        }
    }
    GameRecord& g = GameState;
    g.familyName = family;
    g.givenName = given;
    SaveSetting(kSavedFamilyNameKey, family);
    SaveSetting(kSavedGivenNameKey, given);
    g.elapsedMinutes = 0;
    for (int h = 1; h <= kCampusHeroines; ++h) {
        g.affection[static_cast<size_t>(h)] = static_cast<int16_t>(Rnd() * kStartingAffectionRange);
        g.metStage[static_cast<size_t>(h)] = 0;
    }
    BeginPlay(false);
}

void StartMenuForm::BeginPlay(bool resumed) {
    CampusScreen->Show();
    StartMenu.Unload();
    StartSession(resumed);
}

void StartMenuForm::ReplayEnding() {
    // The data room has set up the game record; closing time plays her ending.
    DataRoom.Unload();
    CampusScreen->Show();
    CampusScreen->clockLabel->SetCaption(QStringLiteral("5:00 PM"));
    StartMenu.Unload();
    PlayClosingTime();
}

void StartMenuForm::LoadOk_Click() {
    QString problem;
    if (ReadSave(problem)) {
        DeleteSave();
        return BeginPlay(true);
    }
    ui::MsgBox(problem + GameState.lineBreak +
                   QCoreApplication::translate("StartMenu", "ファイルはそのまま残してあります。"),
               ui::vbOKOnly | ui::vbExclamation, QStringLiteral("Velmora 3rd STORY"));
    // The file was kept; the menu comes back so the player can start anew.
    loadOkButton->hide();
    ShowEntries(true);
    SayInBalloon([] {
        return QCoreApplication::translate(
            "StartMenu",
            "あれ？データが壊れてるみたいだぞ。ファイルはそのまま残しておいたからな。");
    });
}

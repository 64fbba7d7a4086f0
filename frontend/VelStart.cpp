#include "frontend/VelStart.h"

#include <array>

#include <QTime>

#include "core/GameState.h"
#include "core/random.h"
#include "core/session.h"
#include "frontend/VelTitle.h"
#include "media/KV_Midi.h"
#include "records/VelDatarm.h"
#include "records/savefile.h"
#include "records/settings.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/runtime.h"
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
    if (hour < 4) return QStringLiteral("よう！");
    if (hour < 11) return QStringLiteral("おはよう！");
    if (hour < 18) return QStringLiteral("こんにちは！");
    return QStringLiteral("よう！");
}

VelStartForm::VelStartForm() {
    SetCaption(QStringLiteral("Velmora 3rd STORY -start-"));
    SetClientSize(6285, 3585);
    SetBackColor(kBackground);
    SetIcon(QStringLiteral("Icon.png"));

    auto* portrait = new ui::Image(this, 0, 240, 2250, 3000);
    portrait->LoadPicture(QStringLiteral("Friend.png"));
    portrait->setToolTip(story::Q(story::AlbumFriendTooltip()));
    Image1.Add(0, portrait);
    // The balloon's tail points down to the friend.
    for (int i = 0; i < 3; ++i) new ui::Line(this, 2220 + 15 * i, 780, 1860, 1140, Qt::black, 1);
    Shape1 = new ui::Shape(this, 2160, 30, 3975, 975);
    Shape1->SetFill(QColor(255, 255, 192));
    Shape1->SetBorder(Qt::black, 2);
    Shape1->SetRounded(true);
    Serif = new ui::Label(this, 2400, 150, 3615, 735);

    const char* entries[] = {"新しくはじめる", "前回の続き", "データルーム"};
    for (int i = 0; i < kEntries; ++i) {
        auto* entry =
            new ui::Label(this, 2640, 1200 + 720 * i, 3255, 495, QString::fromUtf8(entries[i]));
        entry->setFont(ui::DesignFont(ui::kPGothic, 20.25));
        entry->setAlignment(Qt::AlignCenter);
        entry->SetBackColor(kEntryColours[static_cast<size_t>(i)]);
        entry->onClick = [this, i] { Label1_Click(i); };
        entry->onMouseMove = [this, i](int, int, int, int) { Label1_MouseMove(i); };
        Label1.Add(i, entry);
    }

    Picture1 = new ui::Panel(this, 2880, 1080, 2895, 2175);
    Picture1->SetBackColor(kBackground);
    Picture1->hide();
    Label2 = new ui::Label(Picture1, 120, 120, 1695, 255, QStringLiteral("みょうじ"));
    Text1 = new ui::TextBox(Picture1, 120, 360, 2535, 375);
    Label3 = new ui::Label(Picture1, 120, 960, 2055, 255, QStringLiteral("なまえ"));
    Text2 = new ui::TextBox(Picture1, 120, 1200, 2535, 375);
    const QString nameTip = QStringLiteral("ちゃんと入力した方が、あとで楽しいよ。");
    Text1->setToolTip(nameTip);
    Text2->setToolTip(nameTip);
    OKBUTTON = new ui::CommandButton(Picture1, 1680, 1680, 975, 375, QStringLiteral("O K"));
    OKBUTTON->setToolTip(QStringLiteral("両方入力できたら、クリックしてね。"));
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, OKBUTTON);

    LOADOK = new ui::CommandButton(this, 3600, 1680, 1215, 495, QStringLiteral("O K"));
    LOADOK->hide();
    Label4 = new ui::Label(this, 360, 3360, 4095, 255, story::Q(story::StartMenuCaption()));

    Timer1 = new ui::Timer(this, 1000, true);
    Timer1->onTimer = [] { KeepMidiPlaying(); };
    OKBUTTON->onClick = [this] { OKBUTTON_Click(); };
    LOADOK->onClick = [this] { LOADOK_Click(); };
}

void VelStartForm::Form_Load() {
    // The title stays on screen a moment longer; it takes no more input.
    if (VelTitle.IsLoaded()) VelTitle->setEnabled(false);
    GameState.musicFile = QStringLiteral("M391C.mid");
    StopMidi();
    ui::CenterForm(*this);
    Section1();
}

void VelStartForm::Section1() {
    Serif->SetCaption(GreetingForHour(QTime::currentTime().hour()) + GameState.lineBreak +
                      QStringLiteral("今日は何して遊ぶんだい？"));
}

void VelStartForm::Form_QueryUnload(int&, int) {
    StopMidi();
}

void VelStartForm::Form_MouseMove(int, int, int, int) {
    if (repainted_) return;
    for (int i = 0; i < kEntries; ++i)
        Label1(i).SetBackColor(kEntryColours[static_cast<size_t>(i)]);
    repainted_ = true;
}

void VelStartForm::Label1_MouseMove(int index) {
    for (int i = 0; i < kEntries; ++i)
        Label1(i).SetBackColor(i == index ? kHighlight : kEntryColours[static_cast<size_t>(i)]);
    repainted_ = false;
}

void VelStartForm::ShowEntries(bool visible) {
    for (int i = 0; i < kEntries; ++i) Label1(i).setVisible(visible);
}

void VelStartForm::Label1_Click(int index) {
    switch (index) {
        case 0:
            ShowEntries(false);
            Picture1->show();
            Serif->SetCaption(QStringLiteral(
                "俺はアルバム委員なんだ！名簿を作るから、君の名前をここに記入してくれ。"));
            Text1->SetText(GetSetting(kSavedFamilyNameKey));
            Text2->SetText(GetSetting(kSavedGivenNameKey));
            Text1->setFocus();
            break;
        case 1:
            if (!SaveExists()) {
                Serif->SetCaption(
                    QStringLiteral("ありゃ？前回の記録がないなぁ。ちゃんとセーブしたのかよ？"));
                break;
            }
            ShowEntries(false);
            LOADOK->show();
            Serif->SetCaption(QStringLiteral(
                "じゃぁ、データを読み込むぞ。ゲームを途中でやめるときは、ちゃんとセーブしろよ。セーブを忘れると、次回続きが出来ないからな。"));
            break;
        default:
            if (GetSetting(QStringLiteral("Cstring")).isEmpty()) {
                Serif->SetCaption(QStringLiteral(
                    "ここは、一度でもゲームを最後まで終わらせない限り、見せるわけにはいかねぇんだ。悪ぃな。"));
                break;
            }
            VelDatarm->ShowModal();
            VelDatarm.Unload();
            break;
    }
}

void VelStartForm::OKBUTTON_Click() {
    const QString family = Text1->Text();
    const QString given = Text2->Text();
    if (family.isEmpty() || given.isEmpty()) {
        Serif->SetCaption(
            QStringLiteral("おい、ふざけてないで、ちゃんと書いてくれよ！俺、泣いちゃうぞ。"));
        return;
    }
    for (const QString& name : {family, given}) {
        if (const QString problem = NameProblem(name); !problem.isEmpty()) {
            Serif->SetCaption(problem);
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
    StartSession(false);
}

void VelStartForm::LOADOK_Click() {
    if (LoadSavedGame()) return;
    // The file was kept; the menu comes back so the player can start anew.
    LOADOK->hide();
    ShowEntries(true);
    Serif->SetCaption(
        QStringLiteral("あれ？データが壊れてるみたいだぞ。ファイルはそのまま残しておいたからな。"));
}

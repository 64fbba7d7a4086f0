// Self-voicing: what the game says of itself, heard through the speech seam's recorder in game
// time, and one real line made by Open JTalk.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>
#include <cstdio>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "core/GameState.h"
#include "core/savefile.h"
#include "endings/StaffRoll.h"
#include "frontend/GraduationAlbum.h"
#include "frontend/Main.h"
#include "frontend/SettingsWindow.h"
#include "frontend/StartMenu.h"
#include "frontend/TitleScreen.h"
#include "frontend/comfort.h"
#include "frontend/keys.h"
#include "frontend/voicing.h"
#include "media/audio.h"
#include "media/midifile.h"
#include "media/speech.h"
#include "records/settings.h"
#include "tests/support/campus.h"
#include "tests/support/player.h"
#include "ui/application.h"
#include "ui/gametime.h"
#include "ui/language.h"
#include "ui/runtime.h"

namespace {

QList<media::Utterance> spoken;

void Listen() {
    spoken.clear();
    media::testing::RecordSpeech([](const media::Utterance& u) { spoken.append(u); });
}

using driver::Press;

// The utterances since `from` that hold `words`, in order; -1 when none does.
qsizetype SpokenAfter(qsizetype from, const QString& words) {
    for (qsizetype i = std::max<qsizetype>(from, 0); i < spoken.size(); ++i)
        if (spoken[i].text.contains(words)) return i;
    return -1;
}

class Voicing : public testing::Test {
  protected:
    void SetUp() override {
        BeginTestGame();
        ui::SetLanguage(ui::Language::Japanese);
        Listen();
    }
    void TearDown() override {
        ChooseVoicing(false);
        media::testing::RecordSpeech(nullptr);
        EndTestGame();
    }
};

// What a sighted player sees, to be found in what was said, in the same order.
struct Seen {
    QString what;   // for the report
    QString words;  // as the screen shows them, less what speech leaves out
};

// From the title to the recorded win by keyboard alone, with self-voicing turned on at the title:
// every line the screen shows, with its speaker, every answer, the walks, the time and the staff
// must have been said, in that order and in the player's language, and an English game shows no
// Japanese on any screen but the names he typed. Esc cancels the quit prompt.
void PlayAWholeGameByKeyboard(ui::Language language) {
    EXPECT_EXIT(
        {
            ui::SetLanguage(language);
            ui::SetGlobalKeyHandler(ComfortKey);
            StartVoicing();
            QList<Seen> seen;
            QStringList japanese;  // left on an English screen
            const auto look = [&] {
                if (language != ui::Language::English) return;
                for (const QString& words : JapaneseIn(ShownWords()))
                    if (!japanese.contains(words)) japanese.append(words);
            };
            const auto see = [&](const QString& what, const QString& words) {
                look();
                seen.append({what, media::SpokenText(words)});
            };
            QPointer<QWidget> menu;
            bool menuLived = false;
            bool rolled = false;  // the game went on after Esc
            Player player(11);
            player.autoClick = false;
            player.Always([&] {  // a line read, and Enter reads on
                look();
                if (ui::RunningWaits().last() != "WaitForClick" || Showing(GraduationAlbum)())
                    return false;
                if (CampusScreen.IsLoaded() && CampusScreen->isVisible()) {
                    see("speaker", CampusScreen->speakerLabel->Caption());
                    see("line", Line());
                }
                return Press(Qt::Key_Return), true;
            });
            player
                .Then("the title", Showing(TitleScreen),
                      [&] {
                          Press(Qt::Key_F8);  // from the title onwards
                          see("voicing on", language == ui::Language::English
                                                ? QStringLiteral("Self-voicing on")
                                                : QStringLiteral("自動読み上げ、オン"));
                          Press(Qt::Key_Return);
                      })
                .Then("the menu", Showing(StartMenu),
                      [&] {
                          see("the friend", StartMenu->balloonLabel->Caption());
                          Press(Qt::Key_Space);
                      })
                .Then("the names", Showing(StartMenu),
                      [&] {
                          see("the friend asks", StartMenu->balloonLabel->Caption());
                          driver::TypeJapanese(QApplication::focusWidget(), "山田");
                          Press(Qt::Key_Tab);
                          driver::TypeJapanese(QApplication::focusWidget(), "太郎");
                          Press(Qt::Key_Return);
                      })
                // The settings, in the opening that the Enter above still plays: the menu it
                // closed lives on until that Enter has been handled.
                .Then(
                    "the opening", [] { return ui::RunningWaits().last() == "WaitForClick"; },
                    [&] { menu = StartMenu.operator->(), Press(Qt::Key_F10); })
                .Then("the settings", Showing(SettingsWindow),
                      [&] { menuLived = !menu.isNull(), Press(Qt::Key_Escape); })
                .Then("the album", Showing(GraduationAlbum),
                      [&] { Press(Qt::Key_Tab), Press(Qt::Key_Tab), Press(Qt::Key_Return); })
                .Then("its question", Showing(GraduationAlbum), [&] { Press(Qt::Key_Space); })
                .Then("the schoolyard", IdleAt(3),
                      [&] {
                          Press(Qt::Key_F9);
                          see("the time", Clock());
                          see("the place", CampusScreen->Caption());
                          for (int i = 0; i < kLocationCount; ++i)
                              if (CampusScreen->travelButtons(i).isEnabled())
                                  see("a walk", CampusScreen->travelButtons(i).accessibleName());
                          CampusScreen->travelButtons(0).setFocus(Qt::TabFocusReason);
                          see("the button", CampusScreen->travelButtons(0).accessibleName());
                          Press(Qt::Key_Space);
                      })
                .Then(
                    "her question", Showing(AnswerWindow),
                    [&] {
                        for (int i = 0; i < kOfferedLines; ++i)
                            see("an answer", AnswerWindow->answerButtons(i).text());
                        Press(Qt::Key_Tab), Press(Qt::Key_Return);
                        see("her reply", Line());
                    },
                    ByMinute(29))
                .Then("back at the rooftop", IdleAt(1), [] { CampusScreen->close(); })
                .Then("the quit prompt", QApplication::activeModalWidget,
                      [&] { Press(Qt::Key_Escape); })
                .Then(
                    "the staff roll", Showing(StaffRoll),
                    [&] { see("the staff", StaffRoll->creditsLabel->Caption()), rolled = true; },
                    ByMinute(40));
            ui::AtEndProgram([&] {
                qsizetype at = 0;
                int missing = 0;
                for (const Seen& s : seen) {
                    if (s.words.isEmpty()) continue;
                    const qsizetype found = SpokenAfter(at, s.words);
                    if (found < 0 && ++missing == 1)
                        std::fprintf(stderr, "unspoken %s: %s\n", qUtf8Printable(s.what),
                                     qUtf8Printable(s.words));
                    if (found >= 0) at = found;
                }
                bool inHisLanguage = true;
                for (const media::Utterance& u : spoken)
                    inHisLanguage = inHisLanguage && u.language == language;
                if (!japanese.isEmpty())
                    std::fprintf(stderr, "Japanese on an English screen: %s\n",
                                 qUtf8Printable(japanese.join(QStringLiteral("\n"))));
                std::fprintf(
                    stderr,
                    "seen=%lld missing=%d in-his-language=%d japanese=%lld menu=%d roll=%d %s %d\n",
                    static_cast<long long>(seen.size()), missing, inHisLanguage,
                    static_cast<long long>(japanese.size()), menuLived, rolled,
                    qUtf8Printable(GameState.familyName + GameState.givenName),
                    GameState.targetHeroine);
            });
            Main();
            player.Run(
                "the program ends", [] { return false; }, ByMinute(40));
        },
        testing::ExitedWithCode(0),
        "seen=[1-9][0-9]+ missing=0 in-his-language=1 japanese=0 menu=1 roll=1 山田太郎 3");
    EXPECT_EQ(GetComfortSetting(QStringLiteral("SelfVoicing")), "1");
    EXPECT_EQ(GetSetting(kClearRecordKey).size(), 2);
    EXPECT_EQ(GetSetting(kSavedFamilyNameKey), "山田");
    EXPECT_FALSE(SaveExists());
}

TEST_F(Voicing, AWholeGameByKeyboardSpeaksEveryLineTheAnswersTheWalksAndTheTime) {
    PlayAWholeGameByKeyboard(ui::Language::Japanese);
}

TEST_F(Voicing, AWholeEnglishGameByKeyboardIsSpokenAndShownInEnglish) {
    PlayAWholeGameByKeyboard(ui::Language::English);
}

// Stands for a screen reader on the desktop's accessibility bus.
class ScreenReaderStatus : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.a11y.Status")
    Q_PROPERTY(bool ScreenReaderEnabled READ ScreenReaderEnabled)
  public:
    explicit ScreenReaderStatus(QObject* parent) : QDBusAbstractAdaptor(parent) {}
    bool ScreenReaderEnabled() const { return true; }
};

TEST_F(Voicing, TheSwitchIsKeptAScreenReaderKeepsItOffAndAMissingVoiceIsToldOnce) {
    ui::SetGlobalKeyHandler(ComfortKey);
    StartVoicing();
    // Off: nothing is said, whatever appears.
    ResumeAt(3, 1, 2);
    EXPECT_TRUE(spoken.isEmpty());

    // F8 turns it on (that it is kept and said is the whole game's); the settings window shows it
    // and turns it off again.
    Press(Qt::Key_F8);
    EXPECT_TRUE(VoicingOn());
    ASSERT_FALSE(spoken.isEmpty());
    SettingsWindow->Show();
    EXPECT_TRUE(SettingsWindow->voicingBox->isChecked());
    QApplication::setActiveWindow(SettingsWindow.operator->());
    SettingsWindow->voicingBox->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(spoken.last().text.startsWith("自動読み上げ、オン、"));  // the box, described
    SettingsWindow->voicingBox->click();
    EXPECT_FALSE(VoicingOn());
    EXPECT_EQ(GetComfortSetting(QStringLiteral("SelfVoicing")), "0");
    EXPECT_EQ(spoken.last().text, "自動読み上げ、オフ");
    SettingsWindow.Unload();

    // A message box that opens is heard with its message, then the button that has the keyboard.
    Press(Qt::Key_F8);
    {
        QMessageBox box(QMessageBox::Question, "Velmora 3rd STORY", "セーブしますか？",
                        QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.show();
        QApplication::setActiveWindow(&box);
        ASSERT_FALSE(spoken.isEmpty());
        EXPECT_TRUE(spoken.last().text.startsWith("セーブしますか？。"));
        EXPECT_TRUE(
            spoken.last().text.contains(media::SpokenText(box.button(QMessageBox::Yes)->text())));
    }

    // Picture codes, markup and line breaks are never read.
    media::Voice(QStringLiteral("<b>C301A</b> Hello\r\nthere &&you"));
    EXPECT_EQ(spoken.last().text, "Hello there &you");
    media::Voice(QStringLiteral("今日はC301A晴天"));
    EXPECT_EQ(spoken.last().text, "今日は晴天");

    // Stored on, but a screen reader runs: it stays off at the start until the player asks.
    QDBusConnection bus = QDBusConnection::sessionBus();
    QObject status;
    new ScreenReaderStatus(&status);
    ASSERT_TRUE(bus.registerService(QStringLiteral("org.a11y.Bus")) &&
                bus.registerObject(QStringLiteral("/org/a11y/bus"), &status,
                                   QDBusConnection::ExportAdaptors))
        << "no session bus to stand a screen reader on";
    EXPECT_TRUE(ScreenReaderRunning());
    media::SetSelfVoicing(false);
    StartVoicing();
    EXPECT_FALSE(VoicingOn());
    Press(Qt::Key_F8);
    EXPECT_TRUE(VoicingOn());
    bus.unregisterObject(QStringLiteral("/org/a11y/bus"));
    bus.unregisterService(QStringLiteral("org.a11y.Bus"));
    ChooseVoicing(false);

    // Without the Japanese voice, turning it on says once which packages to install, on the
    // screen and aloud in English, and the game goes on.
    QTemporaryDir onlyESpeak;
    ASSERT_TRUE(QFile::link("/usr/bin/espeak-ng", onlyESpeak.filePath("espeak-ng")));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(onlyESpeak.path()));
    Press(Qt::Key_F8);
    Press(Qt::Key_F8);
    Press(Qt::Key_F8);
    qputenv("PATH", path);
    EXPECT_EQ(std::count_if(spoken.begin(), spoken.end(),
                            [](const media::Utterance& u) {
                                return u.text.contains("open-jtalk open-jtalk-mecab-naist-jdic") &&
                                       u.language == ui::Language::English;
                            }),
              1);
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) boxes << box;
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0]->text().contains("hts-voice-nitech-jp-atr503-m001"));
    EXPECT_FALSE(boxes[0]->isModal());
    boxes[0]->close();
    EXPECT_TRUE(VoicingOn());
}

// The peak of a voice's WAV file, 0 to 1: 16-bit mono after a plain header, as Open JTalk and
// eSpeak NG write it.
double Peak(const QString& path) {
    QFile file(path);
    const QByteArray wav = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    double peak = 0;
    for (qsizetype at = 44; at + 1 < wav.size(); at += 2)
        peak = std::max(peak, std::abs(qFromLittleEndian<int16_t>(wav.constData() + at)) / 32768.0);
    return peak;
}

TEST(Speech, OpenJTalkReadsARealLineAudiblyAndAtTheLengthOfItsText) {
    ASSERT_TRUE(media::VoiceInstalled(ui::Language::Japanese))
        << "install " << media::VoicePackages(ui::Language::Japanese) << " (scripts/setup)";
    QTemporaryDir folder;
    const QString shortLine = folder.filePath("short.wav"), longLine = folder.filePath("long.wav");
    // 5 and 28 morae.
    ASSERT_TRUE(media::SynthesizeToFile("今日は晴天。", ui::Language::Japanese, shortLine));
    ASSERT_TRUE(media::SynthesizeToFile("今日は晴天です。卒業式の後、屋上で待っていてください。",
                                        ui::Language::Japanese, longLine));
    EXPECT_GT(Peak(shortLine), 0.05);
    EXPECT_GT(Peak(longLine), 0.05);
    // Speech runs at some six to ten morae a second, with a little silence at each end.
    const double a = static_cast<double>(media::WavLengthMs(shortLine)) / 1000,
                 b = static_cast<double>(media::WavLengthMs(longLine)) / 1000;
    EXPECT_GT(a, 5 / 12.0);
    EXPECT_LT(a, 5 / 4.0 + 1);
    EXPECT_GT(b, 28 / 12.0);
    EXPECT_LT(b, 28 / 4.0 + 1);
    EXPECT_GT(b, 2.5 * a);
}

TEST(Speech, TheMusicDucksUnderSpeechAndComesBackAfterIt) {
    BeginTestGame();
    media::testing::RenderMusicInGameTime();
    media::StartAudio();
    // A few seconds of speech, as eSpeak NG says them.
    ASSERT_TRUE(media::SynthesizeToFile(
        "The school gate closes at five. Find her before then, and tell her how you feel.",
        ui::Language::English, "speech.wav"));
    const long long speechMs = media::WavLengthMs("speech.wav");
    ASSERT_GT(speechMs, 2500);

    // The loudest the music comes out over its first two seconds.
    const auto loudest = [] {
        media::OpenSequence("M310C.mid");
        media::PlaySequence();
        ui::gametime::Advance(2000);
        return media::ProbeSinceOpen().outputPeak;
    };
    const float alone = loudest();
    // The music fades down over a few blocks: the piece starts once it is down.
    media::PlaySpeech("speech.wav");
    ui::gametime::Advance(200);
    const float underSpeech = loudest();
    EXPECT_TRUE(media::SpeechPlaying());
    ui::gametime::Advance(speechMs);
    EXPECT_FALSE(media::SpeechPlaying());
    const float after = loudest();
    media::CloseSequence();
    EXPECT_GT(alone, 0.02f);
    EXPECT_LT(underSpeech, 0.5f * alone);
    EXPECT_NEAR(after, alone, 0.1f * alone);  // the synth's reverb leaves a trace
    EndTestGame();
}

}  // namespace

#include "voicing_test.moc"

// Whole stretches of play on the real screens, in game time.

#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "campus/HistoryWindow.h"
#include "campus/presenter.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/music.h"
#include "core/savefile.h"
#include "endings/StaffRoll.h"
#include "frontend/DataRoom.h"
#include "frontend/GraduationAlbum.h"
#include "frontend/LogoDemo.h"
#include "frontend/Main.h"
#include "frontend/SettingsWindow.h"
#include "frontend/StartMenu.h"
#include "frontend/TitleScreen.h"
#include "frontend/comfort.h"
#include "frontend/keys.h"
#include "media/audio.h"
#include "records/safewrite.h"
#include "records/settings.h"
#include "story/story.h"
#include "story/text.h"
#include "tests/support/campus.h"
#include "tests/support/files.h"
#include "tests/support/player.h"
#include "ui/application.h"
#include "ui/language.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

using story::Q;

const QString kLeft = QStringLiteral("彼女は用事を思い出したらしく、どこかへ行ってしまった。");

// A game on the real screens, played in game time.
class Game : public testing::Test {
  protected:
    void SetUp() override { BeginTestGame(); }
    void TearDown() override { EndTestGame(); }

    static QList<int> EnabledButtons() {
        QList<int> on;
        for (int i = 0; i < kLocationCount; ++i)
            if (CampusScreen->travelButtons(i).isEnabled()) on.append(i);
        return on;
    }
    static void Meet(int heroine, int affection) {
        GameState.metStage[static_cast<size_t>(heroine)] = 1;
        GameState.affection[static_cast<size_t>(heroine)] = static_cast<int16_t>(affection);
    }
    // From the schoolyard at 4:59 PM, the minute before five o'clock, to the end.
    static void PlayTheLastMinute() {
        Player player;
        ResumeAt(3, 29, GameState.targetHeroine);
        PlayToTheEnd(player);
    }
    // From the title to a new game's campus, idle at 4:31 PM with heroine `pick` chosen;
    // `inAlbum` runs as the album opens. Pick 0 stops at the opening.
    static void NewGame(
        Player& player, int pick, const std::function<void()>& inAlbum = [] {},
        const QString& familyName = QStringLiteral("山田")) {
        player
            .Then("the title", Showing(TitleScreen), [] { driver::Click(TitleScreen->startLabel); })
            .Then("the menu", Showing(StartMenu), [familyName] {
                driver::Click(&StartMenu->entries(0));
                StartMenu->familyNameBox->clear();
                StartMenu->givenNameBox->clear();
                driver::TypeJapanese(StartMenu->familyNameBox, familyName);
                driver::TypeJapanese(StartMenu->givenNameBox, QStringLiteral("太郎"));
                driver::Click(StartMenu->nameOkButton);
            });
        if (pick == 0) return;
        player
            .Then("the album", Showing(GraduationAlbum),
                  [=] {
                      inAlbum();
                      driver::Click(
                          &GraduationAlbum->photos(pick - 1));  // waits for the confirmation
                  })
            .Then(
                "the album asks",
                [] {
                    return GraduationAlbum->messageLabel->Caption() ==
                           Q(story::AlbumConfirmation());
                },
                [pick] {
                    // The pick is ringed while he makes up his mind.
                    EXPECT_TRUE(GraduationAlbum->pickFrame->isVisible());
                    EXPECT_EQ(GraduationAlbum->pickFrame->geometry(),
                              GraduationAlbum->photos(pick - 1).geometry());
                    driver::Click(&GraduationAlbum->photos(7));  // a friend does not confirm
                    // Another heroine's photo does, but the first one picked counts.
                    driver::Click(&GraduationAlbum->photos(pick % 5));
                });
    }
    static void WalkFrom(Player& player, int from, int button) {
        player.Then(
            "a walk", IdleAt(from), [button] { Walk(button); }, ByMinute(29));
    }
    static void RunToTheEnd(Player& player) {
        Main();
        player.Run(
            "the program ends", [] { return false; }, ByMinute(40));
    }
};
using Endings = Game;
using FrontDoor = Game;

// Every campus heroine starts at affection 2.
class Campus : public Game {
  protected:
    void SetUp() override {
        Game::SetUp();
        for (int h = 1; h <= kCampusHeroines; ++h) GameState.affection[static_cast<size_t>(h)] = 2;
    }
    Player player{7};
};

// With nobody picked in the album, the hint mail is the friend urging him to choose.
// P then pauses the game at her question: the clock, the music and the dialog stand still, the key
// that ends the pause is no click, and the minute then running goes on with the time it had left.
TEST_F(Campus, AWalkRingsBeforeArrivalWithTheHintOrTheNudgeMeetsTheHeroineAndAPauseHoldsTheMinute) {
    ui::SetGlobalKeyHandler(ComfortKey);
    ui::GameMs minuteBegan = 0;
    for (const int target : {0, 2}) {
        SCOPED_TRACE(target);
        if (target == 2) EndTestGame(), SetUp(), player.clickedThrough.clear();
        const story::MailReactions reactions = story::ReactionsToMail(1, target);
        int steps = 0;
        bool leftFoot = false;
        player
            .Now([target] {
                ResumeAt(3, 1, target);
                Walk(0);  // three minutes to the rooftop
                EXPECT_EQ(Line(), "校舎Ａに向かって歩きだした。あそこまでは3分くらいかかる。");
                EXPECT_EQ(CampusScreen->Caption(), "【移動中】 -Velmora 3rd STORY-");
                EXPECT_TRUE(EnabledButtons().isEmpty());
            })
            .Then(
                "the walking figure steps",
                [&] {
                    if (CampusScreen->walkingFigure(0).isVisible() == leftFoot) return false;
                    ++steps;
                    leftFoot = CampusScreen->walkingFigure(0).isVisible();
                    EXPECT_NE(leftFoot, CampusScreen->walkingFigure(1).isVisible());
                    return steps >= 3;
                },
                [] {}, Seconds(2))
            .Then(
                "the phone shows the hint mail",
                [] { return !CampusScreen->phoneScreen->Caption().isEmpty(); },
                [] {
                    EXPECT_EQ(GameState.elapsedMinutes, 2);
                    EXPECT_TRUE(CampusScreen->phoneScreen->isVisible());
                    EXPECT_EQ(CampusScreen->speakerLabel->Caption(), Q(story::BestFriendName()));
                },
                ByMinute(2))
            .Then(
                "the mail ends",
                [] { return GameState.mailCount == 1 && GameState.phase == Phase::Walking; },
                [&] {
                    EXPECT_EQ(Line(), Q(reactions.second));
                    EXPECT_FALSE(CampusScreen->phoneScreen->isVisible());
                })
            .Then(
                "4:34 PM", AtMinute(4), [&] { minuteBegan = ui::NowMs(); }, ByMinute(4))
            .Run("she greets him", Asked, ByMinute(4));
        EXPECT_EQ(player.clickedThrough,
                  (QStringList{Q(story::RingNarration()), Q(story::HintMail(target)),
                               Q(reactions.first)}));
        EXPECT_EQ(GameState.elapsedMinutes, 4);
        EXPECT_EQ(CampusScreen->Caption(), "【校舎Ａ：屋上】 -Velmora 3rd STORY-");
        EXPECT_EQ(GameState.pendingConversation, "12A");
        EXPECT_EQ(Line(), Q(story::GreetingAt(1, 2).onArrival));
        EXPECT_EQ(GameState.sceneMusic, "M320C.mid");
        player.Wait(1);
        EXPECT_FALSE(CampusScreen->walkingFigure(0).isVisible() ||
                     CampusScreen->walkingFigure(1).isVisible());
    }
    player.Wait(20);
    const ui::GameMs pausedAt = ui::NowMs();
    driver::TypeKey(AnswerWindow.operator->(), Qt::Key_P);
    EXPECT_TRUE(CampusScreen->Paused());
    EXPECT_FALSE(AnswerWindow->isVisible());
    EXPECT_TRUE(CampusScreen->pauseVeil->isVisible());
    // Its words, centred, stay clear of the places on the right.
    const QFontMetrics veilFont(CampusScreen->pauseVeil->font());
    for (const QString& line : CampusScreen->pauseVeil->text().split(QLatin1Char('\n')))
        EXPECT_LT((CampusScreen->pauseVeil->width() + veilFont.horizontalAdvance(line)) / 2,
                  CampusScreen->travelButtons(0).x())
            << qPrintable(line);
    const long long music = media::SequencePositionMs();
    player.Wait(150);
    EXPECT_EQ(GameState.elapsedMinutes, 4);
    EXPECT_EQ(media::SequencePositionMs(), music);
    GameState.clickFlag = false;
    driver::TypeKey(CampusScreen.operator->(), Qt::Key_Space);
    EXPECT_FALSE(CampusScreen->Paused());
    EXPECT_FALSE(GameState.clickFlag);
    EXPECT_TRUE(AnswerWindow->isVisible());
    const ui::GameMs resumedAt = ui::NowMs();
    player.Run("4:35 PM", AtMinute(5), ByMinute(6));
    EXPECT_EQ(ui::NowMs() - resumedAt, 60000 - (pausedAt - minuteBegan));
}

// The day's lines are read back over the scene while she waits for an answer and the clock runs;
// the dialog below stays answerable, and what is shown meanwhile comes at the end.
TEST_F(Campus, AnswersMoveAffectionSilenceHurtsEachHeroineGreetsOnceAndTheDaysLinesKeepUp) {
    conversation::Reply expected;
    int before = 0;
    QStringList shown;  // as the campus screen showed them: speaker, then text
    const auto seeLine = [&shown] {
        if (!CampusScreen->speakerLabel->Caption().isEmpty())
            shown << CampusScreen->speakerLabel->Caption();
        shown << Line();
    };
    player
        .Now([&] {
            ResumeAt(6, 5, 1);
            seeLine();
        })
        .Then(
            "heroine 6 comes to the court", Asked,
            [&] {
                EXPECT_EQ(GameState.pendingConversation, "66B");
                EXPECT_EQ(GameState.elapsedMinutes, 6);
                seeLine();
                driver::TurnWheel(CampusScreen->lineLabel, 1);
                ASSERT_TRUE(HistoryWindow.IsLoaded());
                EXPECT_TRUE(HistoryWindow->lineList->AtEnd());
                conversation::DataProblem problem;
                expected = *conversation::ReadReply("66B", GameState.offeredCodes[3], problem);
                EXPECT_EQ(
                    AnswerWindow->answerButtons(2).text(),
                    conversation::WithFamilyName(
                        *conversation::ReadPlayerLine(GameState.offeredCodes[3], problem), "山田"));
                shown << "山田　太郎" << AnswerWindow->answerButtons(2).text();
                before = GameState.affection[6];
                driver::Click(&AnswerWindow->answerButtons(2));
                seeLine();
                EXPECT_EQ(GameState.affection[6], before + expected.change);
                EXPECT_EQ(Line(), conversation::WithFamilyName(expected.text, "山田"));
                EXPECT_EQ(CampusScreen->speakerLabel->Caption(), Q(story::HeroineName(6)));
                EXPECT_FALSE(AnswerWindow.IsLoaded());
                EXPECT_EQ(EnabledButtons(), QList<int>{3});
            },
            ByMinute(6))
        .Then(
            "she leaves at the mark", [] { return GameState.pendingConversation.isEmpty(); },
            [&] {
                EXPECT_EQ(Clock(), "4:40 PM");
                EXPECT_EQ(Line(), kLeft);
                seeLine();
                ASSERT_TRUE(HistoryWindow.IsLoaded());
                EXPECT_EQ(HistoryWindow->lineList->toPlainText(), shown.join('\n'));
                EXPECT_TRUE(HistoryWindow->lineList->AtEnd());
                driver::TypeKey(HistoryWindow->lineList, Qt::Key_Escape);
                EXPECT_FALSE(HistoryWindow.IsLoaded());
                driver::TypeKey(CampusScreen.operator->(), Qt::Key_Up);
                ASSERT_TRUE(HistoryWindow.IsLoaded());
                // It opens on whole lines: the top edge cuts none.
                DayLineList* list = HistoryWindow->lineList;
                EXPECT_GT(list->verticalScrollBar()->maximum(), 0);
                EXPECT_GE(list->cursorRect(
                                  list->cursorForPosition(QPoint(list->viewport()->width() / 2, 1)))
                              .top(),
                          0);
                driver::TurnWheel(HistoryWindow->lineList->viewport(), -1);  // down, past the end
                EXPECT_FALSE(HistoryWindow.IsLoaded());
            },
            ByMinute(10))
        // At 4:41 the court's heroine is 6 again: met already, so nobody is there for him.
        .Then(
            "the empty court", AtMinute(11),
            [] {
                EXPECT_EQ(Line(), kNobodyHere);
                Walk(3);  // to the gymnasium, where heroine 3 stands until 4:43
            },
            ByMinute(11))
        .Then(
            "heroine 3 in the gymnasium", Asked,
            [] { EXPECT_EQ(GameState.pendingConversation, "43A"); }, ByMinute(12))
        .Run("she leaves him unanswered", Idle, ByMinute(15));
    EXPECT_EQ(GameState.elapsedMinutes, 15);
    EXPECT_EQ(Line(), "しゃべらずに無視をしていたら、彼女は行ってしまった。悪いことをしたな。");
    EXPECT_EQ(GameState.affection[3], 2 - 3);
    EXPECT_EQ(GameState.affection[6], before + expected.change);  // leaving costs nothing
    EXPECT_TRUE(GameState.pendingConversation.isEmpty());
}

// A late walk warned of the gate and a mail open at five o'clock are the five o'clock tests'.
TEST_F(Campus, MailsComeInOrderOnLongWalksAndAShortWalkNeverRings) {
    QStringList mails;
    auto recordMail = [&] {
        const QString text = CampusScreen->phoneScreen->Caption();
        if (!text.isEmpty() && !mails.contains(text)) mails.append(text);
        return false;
    };
    player
        .Now([] {
            GameState.metStage.fill(1);
            ResumeAt(3, 1, 4);
            Walk(6);  // a one-minute walk to the garden never rings
        })
        .Then("at the garden", IdleAt(7), [] { Walk(2); })
        .Then("back in the schoolyard", IdleAt(3), [] { Walk(0); });
    for (const int at : {1, 3, 1})  // to the roof and back, three minutes each way
        player.Then(
            "a long walk", [&, at] { return recordMail() || IdleAt(at)(); },
            [at] { Walk(at == 1 ? 2 : 0); });
    player.Run(
        "and back", [&] { return recordMail() || IdleAt(3)(); }, ByMinute(15));
    EXPECT_EQ(GameState.elapsedMinutes, 15);
    EXPECT_EQ(mails, (QStringList{
                         Q(story::HintMail(4)), Q(story::FestivalMail()),
                         Q(story::DateMailBeforeName()) + "山田" + Q(story::DateMailAfterName())}));
    EXPECT_EQ(GameState.mailCount, 4);
}

// A click made while no wait runs does not count for the next, and the clock runs on during a
// wait. Every key that produces a character reads on at a click wait: Backspace, Esc and Ctrl with
// a letter too. P is kept for the pause, F11 for full screen, which Esc at a wait does not leave.
TEST_F(Campus, ClicksBeforeAWaitDoNotCountEveryCharacterKeyButPF11AndF12ReadsOn) {
    ui::SetGlobalKeyHandler(ComfortKey);
    player.autoClick = false;
    player.Now([] { ResumeAt(3, 1, 1); }).Wait(1);
    // A resumed game goes straight back to its place.
    EXPECT_EQ(Line(), "さて、どこに行こうかな。");
    EXPECT_EQ(GameState.sceneMusic, "M394C.mid");
    EXPECT_EQ(Clock(), "4:31 PM");
    driver::Click(CampusScreen->lineLabel);  // made while no wait runs
    player.Then(
        "the clock ran", AtMinute(4), [] { driver::Click(CampusScreen->scenePicture); },
        ByMinute(4));
    WaitForClick();
    EXPECT_EQ(Clock(), "4:34 PM");  // ticks ran nested in the wait
    EXPECT_TRUE(CampusScreen->promptLabel->Caption().isEmpty());
    const auto press = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        driver::TypeKey(CampusScreen.operator->(), key, modifiers);
    };
    // One line waits for its click while `type` types; the wait must end at once.
    const auto waitTyping = [this](const std::function<void()>& type) {
        bool ended = false;
        player
            .Now([&ended] {
                WaitForClick();
                ended = true;
            })
            .Then(
                "the prompt shows",
                [] {
                    return CampusScreen->promptLabel->Caption() ==
                           QStringLiteral("クリックしてください");
                },
                type)
            .Run(
                "the line reads on", [&ended] { return ended; }, Seconds(1));
    };
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Backspace, Qt::NoModifier},
                                         {Qt::Key_Escape, Qt::NoModifier},
                                         {Qt::Key_A, Qt::ControlModifier},
                                         {Qt::Key_Return, Qt::NoModifier}}) {
        SCOPED_TRACE(key);
        waitTyping([key, modifiers, press] {
            press(Qt::Key_Up);  // the day's lines: no character
            if (HistoryWindow.IsLoaded()) HistoryWindow.Unload();
            driver::Click(CampusScreen->speakerLabel);  // the speaker name and the clock do nothing
            driver::Click(CampusScreen->clockLabel);
            EXPECT_FALSE(GameState.clickFlag);
            press(key, modifiers);
        });
    }
    waitTyping([press] {
        press(Qt::Key_P);
        EXPECT_TRUE(CampusScreen->Paused());
        press(Qt::Key_Space);  // ends the pause and counts for nothing else
        EXPECT_FALSE(CampusScreen->Paused());
        press(Qt::Key_F11);
        EXPECT_TRUE(ui::IsFullScreen());
        EXPECT_FALSE(GameState.clickFlag);
        press(Qt::Key_Escape);
        EXPECT_TRUE(ui::IsFullScreen());
    });
    waitTyping([press] {
        press(Qt::Key_F11);
        EXPECT_FALSE(ui::IsFullScreen());
        EXPECT_FALSE(GameState.clickFlag);
        press(Qt::Key_X);
    });

    // F12 saves the screen in the pictures folder and says where on the text line, which comes
    // back a few seconds later; it is no click, and a failure to save is told.
    const auto picturesIn = [](const QString& folder) {
        WriteBytes(qEnvironmentVariable("XDG_CONFIG_HOME") + "/user-dirs.dirs",
                   "XDG_PICTURES_DIR=\"" + folder.toUtf8() + "\"\n");
    };
    const QString pictures = QDir::current().filePath("ピクチャ");
    picturesIn(pictures);
    player
        .Then(
            "the prompt shows", [] { return !CampusScreen->promptLabel->Caption().isEmpty(); },
            [&] {
                press(Qt::Key_F12);
                driver::TypeKey(&CampusScreen->travelButtons(0), Qt::Key_Up);
                EXPECT_FALSE(GameState.clickFlag);
                EXPECT_TRUE(HistoryWindow.IsLoaded());
                const QStringList saved = QDir(pictures).entryList({"velmora3-*.png"});
                ASSERT_EQ(saved.size(), 1);
                EXPECT_EQ(QImage(QDir(pictures).filePath(saved[0])).size(), CampusScreen->size());
                EXPECT_EQ(Line(), "スクリーンショットを " + QDir(pictures).filePath(saved[0]) +
                                      " に保存しました。");
                driver::Click(HistoryWindow->lineList->viewport());
                EXPECT_FALSE(HistoryWindow.IsLoaded());
            })
        .Then(
            "the line comes back", [] { return Line() == "さて、どこに行こうかな。"; },
            [&] {
                WriteBytes("notAFolder", {});
                picturesIn(QDir::current().filePath("notAFolder/ピクチャ"));
                press(Qt::Key_F12);
                press(Qt::Key_A);
            },
            Seconds(6));
    WaitForClick();  // released by the A alone, with the failure told
    EXPECT_TRUE(Line().startsWith("スクリーンショットを保存できませんでした。フォルダ "));
}

// The player's scale outlives データ消去, and the campus screen takes a new scale while it runs:
// sizes, fonts, the sharper picture variant, the dialog centred and the day's lines. How high the
// dialog stands below the campus is the X11 frames test's, on a real window manager.
TEST_F(Campus, TheScaleIsKeptApartAndTheScreensTakeANewOneWhileTheGameRuns) {
    SaveComfortSetting(kScaleKey, QStringLiteral("3"));
    EXPECT_EQ(StartingScale(1), 1);  // the command line's
    SaveComfortSetting(kScaleKey, QString());
    EXPECT_EQ(StartingScale(0), 1);  // the offscreen screen is 800x600
    const QMargins frame(1, 20, 1, 1);
    EXPECT_EQ(LargestFittingScale({0, 0, 2560, 1440}, {0, 0, 2560, 1400}, frame), 3);
    EXPECT_EQ(LargestFittingScale({0, 0, 1366, 768}, {0, 0, 1366, 740}, frame), 1);

    for (const char* variant : {"C310C@2x.VEL", "C320C@2x.VEL"})
        QFile::copy(QStringLiteral(VELMORA_DATA_DIR "/") + variant, QString(variant));
    // The player replaced this scene after the build, and has no variants of his own.
    QFile replaced("C320C.VEL");
    ASSERT_TRUE(replaced.open(QIODevice::ReadWrite));
    replaced.setFileTime(QFileInfo("C320C@2x.VEL").lastModified().addSecs(60),
                         QFileDevice::FileModificationTime);
    CampusScreen->Show();
    AnswerWindow->Show();
    ui::Image& scene = *CampusScreen->scenePicture;
    scene.LoadPicture("C310C.VEL");
    const QSize client = CampusScreen->size();
    const QSize picture = scene.Picture().deviceIndependentSize().toSize();
    const int textPixels = CampusScreen->lineLabel->font().pixelSize();
    ShowLine(QString(), QStringLiteral("今日の一行"), QString());
    OpenHistory(*CampusScreen);

    ui::SetScale(2);
    EXPECT_EQ(HistoryWindow->lineList->document()->defaultFont().pixelSize(), textPixels * 2);
    EXPECT_EQ(HistoryWindow->lineList->toPlainText(), "今日の一行");
    // The day's lines stand below the campus window's title bar, over its picture.
    EXPECT_EQ(HistoryWindow->frameGeometry().top(), CampusScreen->geometry().top());
    EXPECT_LE(HistoryWindow->frameGeometry().bottom(),
              CampusScreen->speakerLabel->mapToGlobal(QPoint(0, 0)).y());
    EXPECT_EQ(CampusScreen->size(), client * 2);
    EXPECT_EQ(CampusScreen->lineLabel->font().pixelSize(), textPixels * 2);
    EXPECT_EQ(scene.Picture().devicePixelRatio(), 2);
    EXPECT_EQ(scene.Picture().deviceIndependentSize().toSize(), picture);
    scene.LoadPicture("C320C.VEL");
    EXPECT_EQ(scene.Picture().devicePixelRatio(), 1);
    // Drawn at twice its size all the same: the screen, shrunk back, shows the picture.
    const QImage drawn =
        scene.grab().toImage().scaled(picture).convertToFormat(QImage::Format_RGB32);
    const QImage own = scene.Picture().toImage().convertToFormat(QImage::Format_RGB32);
    int unlike = 0;
    for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x)
            unlike += std::abs(qGray(drawn.pixel(x, y)) - qGray(own.pixel(x, y))) > 32;
    EXPECT_LT(unlike, own.width() * own.height() / 20);
    EXPECT_EQ(AnswerWindow->Left(), ui::CenteredOffset(ui::ScreenWidth(), AnswerWindow->Width()));
}

// The settings act at once and are kept apart from the game's records; F11 and Esc take the
// screens into full screen, above a backdrop, and out again.
TEST_F(Campus, ComfortsActAtOnceOutliveARestartAndTheDataRoomsErasureAndF11GoesFullScreen) {
    ui::SetGlobalKeyHandler(ComfortKey);
    player.Now([] { ResumeAt(3, 1, 2); })
        .Then("F10", IdleAt(3), [] { driver::TypeKey(CampusScreen.operator->(), Qt::Key_F10); })
        .Then("the settings", Showing(SettingsWindow),
              [] {
                  EXPECT_TRUE(CampusScreen->Paused());
                  SettingsWindow->musicVolume->setValue(40);
                  EXPECT_EQ(media::MusicVolume(), 40);
                  SettingsWindow->musicMute->setChecked(true);
                  EXPECT_EQ(media::MusicVolume(), 0);
                  SettingsWindow->effectVolume->setValue(70);
                  EXPECT_EQ(media::EffectVolume(), 70);
                  // The check boxes grow with their lettering.
                  const auto box = [] {
                      QCheckBox* mute = SettingsWindow->effectMute;
                      QStyleOptionButton option;
                      option.initFrom(mute);
                      return mute->style()
                          ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, mute)
                          .size();
                  };
                  const QSize boxAtOne = box();
                  SettingsWindow->scaleChoice->setCurrentIndex(2);
                  EXPECT_EQ(ui::Scale(), 2);
                  EXPECT_EQ(box(), boxAtOne * 2);
                  driver::TypeKey(SettingsWindow.operator->(), Qt::Key_Escape);
              })
        .Run(
            "the settings closed", [] { return !SettingsWindow.IsLoaded(); }, Seconds(5));

    DeleteSettingsSection();
    media::SetMusicVolume(100);
    media::SetEffectVolume(100);
    ui::SetScale(1);
    StartWithComforts(0, false);  // as the next run starts
    EXPECT_EQ(media::MusicVolume(), 0);
    EXPECT_EQ(media::EffectVolume(), 70);
    EXPECT_EQ(ui::Scale(), 2);

    driver::TypeKey(CampusScreen.operator->(), Qt::Key_F11);
    ASSERT_TRUE(ui::IsFullScreen());
    const QWindow* backdrop = CampusScreen->windowHandle()->transientParent();
    ASSERT_TRUE(backdrop);
    EXPECT_EQ(backdrop->geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_TRUE(StoredComforts().fullScreen);
    driver::TypeKey(CampusScreen.operator->(), Qt::Key_Escape);
    EXPECT_FALSE(ui::IsFullScreen());
    EXPECT_FALSE(CampusScreen->windowHandle()->transientParent());
    EXPECT_EQ(ui::Scale(), 2);
    driver::TypeKey(CampusScreen.operator->(), Qt::Key_F11);
    driver::TypeKey(CampusScreen.operator->(), Qt::Key_F11);
    EXPECT_FALSE(ui::IsFullScreen());
    EXPECT_FALSE(StoredComforts().fullScreen);
}

// The last minutes of the day: what 4:58, 4:59 and 5:00 PM bring, each pinned a minute either
// side, in game time.

const QString kMayMissTheGate =
    QStringLiteral("に向かって歩きだしたけど、はたして閉門時刻に間に合うだろうか。");

// Travel buttons: button i leads to place i + 1.
constexpr int kToSchoolyard = 2;
constexpr int kToPool = 4;
constexpr int kToGarden = 6;

class FiveOClock : public Campus {
  protected:
    // Resumes there with heroine 3 picked. The first five o'clock is noted instead of played, so
    // that the game, which ends after the confession, stays in this process; the clock runs on,
    // so that a step waiting for a minute that never comes fails at its deadline.
    void Resume(int location, int minute) {
        closedAt = -1;
        ResumeAt(location, minute, 3);
        CampusScreen->onClosingTime = [this] {
            if (closedAt >= 0) return;
            closedAt = GameState.elapsedMinutes;
            closedIn = GameState.phase;
        };
    }

    int closedAt = -1;
    Phase closedIn = Phase::BeforePlay;
};

// A walk due at 4:58 or later is warned of the gate, one due at 4:57 is not. The last window of
// the timetable still greets at 4:58 and is over at 4:59. The gate closes at 5:00, not before.
TEST_F(FiveOClock, WalksDueFrom458AreWarnedTheLastGreetingIsAt458AndTheGateClosesAt500) {
    player
        .Now([this] {
            Resume(1, 25);  // the rooftop at 4:55
            Walk(kToPool);  // two minutes: due at 4:57
            EXPECT_EQ(Line(), "プールに向かって歩きだした。あそこまでは2分くらいかかる。");
        })
        .Then(
            "the pool at 4:57", IdleAt(5),
            [] {
                EXPECT_EQ(GameState.elapsedMinutes, 27);
                EXPECT_EQ(Line(), kNobodyHere);
                Walk(kToGarden);  // one minute: due at 4:58
                EXPECT_EQ(Line(), "自然園" + kMayMissTheGate);
            },
            ByMinute(27))
        .Then(
            "heroine 3 in the garden at 4:58", Asked,
            [] {
                EXPECT_EQ(GameState.elapsedMinutes, 28);
                EXPECT_EQ(GameState.pendingConversation, "73A");
                driver::Click(&AnswerWindow->answerButtons(0));
                Walk(kToSchoolyard);
            },
            ByMinute(28))
        .Then(
            "the schoolyard at 4:59", IdleAt(3),
            [this] {
                EXPECT_EQ(GameState.elapsedMinutes, 29);
                // Heroine 4 stood here until 4:58; unmet, she is gone all the same.
                EXPECT_EQ(Line(), kNobodyHere);
                EXPECT_EQ(GameState.metStage[4], 0);
                EXPECT_EQ(Clock(), "4:59 PM");
                EXPECT_EQ(closedAt, -1);
            },
            ByMinute(29))
        .Run(
            "the gate", [this] { return closedAt >= 0; }, ByMinute(30));
    EXPECT_EQ(closedAt, 30);
    EXPECT_EQ(closedIn, Phase::Idle);
    EXPECT_EQ(Clock(), "5:00 PM");
}

// A walk due at 5:00 rings at 4:58. A mail read by 4:59 ends as any other, and the walk still
// never arrives: the gate closes at 5:00. A mail still open at 5:00 holds the gate as long as it
// stays open, ends with the five o'clock line, and the gate closes at the minute after it.
TEST_F(FiveOClock, AMailReadBy459EndsPlainlyOneOpenAt500HoldsTheGateUntilItEnds) {
    for (const int readAt : {29, 30, 31}) {
        SCOPED_TRACE(readAt);
        if (readAt > 29) SetUp(), player.clickedThrough.clear();
        player.autoClick = false;  // he lets the mail wait
        player
            .Now([this] {
                Resume(1, 27);        // the rooftop at 4:57
                Walk(kToSchoolyard);  // three minutes: due at 5:00
                EXPECT_EQ(Line(), "校　庭" + kMayMissTheGate);
            })
            .Then(
                "the phone rings", [] { return GameState.phase == Phase::PhoneMail; },
                [] { EXPECT_EQ(GameState.elapsedMinutes, 28); }, ByMinute(28))
            .Then(
                "he reads it", AtMinute(readAt),
                [&] {
                    EXPECT_EQ(GameState.phase, Phase::PhoneMail);
                    EXPECT_EQ(Clock(), readAt == 29 ? "4:59 PM" : "5:00 PM");
                    EXPECT_EQ(closedAt, -1);
                    player.autoClick = true;
                },
                ByMinute(readAt))
            .Run(
                "the mail ends", [] { return GameState.phase == Phase::Walking; }, Seconds(10));
        EXPECT_EQ(GameState.elapsedMinutes, readAt);
        EXPECT_EQ(player.clickedThrough.contains(Q(story::FiveOClockLine())), readAt >= 30);
        EXPECT_EQ(closedAt, -1);
        player.Run(
            "the gate", [this] { return closedAt >= 0; }, ByMinute(readAt + 1));
        EXPECT_EQ(closedAt, readAt + 1);
        EXPECT_EQ(closedIn, Phase::Walking);
        EXPECT_EQ(GameState.currentLocation, 1);  // he never arrived
        EndTestGame();
    }
}

// Heroine 3 greets him at 4:58 and he never answers. At 4:59 she still waits; at 5:00 the gate
// comes before any five-minute mark could send her away, so she keeps her affection and confesses.
TEST_F(FiveOClock, AGreetingStillOpenAt500CostsNothingAndSheConfesses) {
    EXPECT_EXIT(
        {
            GameState.affection[3] = 5;
            auto note = [](const char* when) {
                std::fprintf(stderr, "%s: minute %d phase %d question %d affection %d\n", when,
                             GameState.elapsedMinutes, static_cast<int>(GameState.phase),
                             AnswerWindow.IsLoaded(), GameState.affection[3]);
            };
            player
                .Now([] {
                    ResumeAt(5, 27, 3);  // the pool at 4:57
                    Walk(kToGarden);
                })
                .Then(
                    "her greeting", Asked, [&] { note("greeted"); }, ByMinute(28))
                .Then(
                    "4:59", AtMinute(29), [&] { note("4:59"); }, ByMinute(29))
                .Then(
                    "5:00", [] { return GameState.phase == Phase::ClosingTime; },
                    [&] { note("the gate"); }, ByMinute(30));
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0),
        "greeted: minute 28 phase 2 question 1 affection 5\n"
        "4:59: minute 29 phase 2 question 1 affection 5\n"
        "the gate: minute 30 phase 5 question 0 affection 5\n"
        "(.|\n)*ending=3 ");
}

// Rewrites a shipped data file in place, replacing what `from` matches.
void RewriteData(const QString& file, const char* from, const QString& to) {
    QFile data(file);
    ASSERT_TRUE(data.open(QIODevice::ReadWrite));
    QString text = QStringDecoder("CP932").decode(data.readAll());
    data.resize(0);
    data.write(QStringEncoder("CP932").encode(text.replace(QRegularExpression(from), to)));
}

// Heroine 6 comes to the tennis court at 4:36 PM; her conversation is damaged in many ways, one
// of which shows only once the player answers. Each kind of damage a reply can have is the
// reader's test in files_test.
TEST_F(Game, DamagedDataEndsTheConversationWithOneMessageAndTheGameGoesOn) {
    const struct {
        const char* name;
        const char* file;  // the file damaged, which the message must name
        std::function<void()> apply;
        bool needsAnswer;
    } damages[] = {
        {"missing code file", "VelKCode.dat", [] { QFile::remove("VelKCode.dat"); }, false},
        {"no line of hers", "VelKaiwa.dat",
         [] { RewriteData("VelKaiwa.dat", "\"?66\\d[^\\r\\n]*\\r\\n", ""); }, false},
        {"no reply section", "VelResp.dat", [] { RewriteData("VelResp.dat", "66B", "99B"); }, true},
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.name);
        BeginTestGame();
        damage.apply();
        Player player(3);
        player.Now([] { ResumeAt(6, 5, 1); });
        if (damage.needsAnswer)
            player.Then("her question", Showing(AnswerWindow),
                        [] { driver::Click(&AnswerWindow->answerButtons(0)); });
        player.Answer(QMessageBox::Ok, ByMinute(6)).Run("the talk ends", Idle, Seconds(1));
        EXPECT_TRUE(player.boxes[0].text.contains(QString::fromLatin1(damage.file)))
            << player.boxes[0].text;
        EXPECT_FALSE(AnswerWindow.IsLoaded());
        EXPECT_TRUE(GameState.pendingConversation.isEmpty());
        EXPECT_EQ(Line(), kLeft);
        // Still responsive: the clock runs on and the player can walk away.
        player.Wait(150);
        EXPECT_EQ(GameState.elapsedMinutes, 8);
        Walk(3);
        EXPECT_EQ(GameState.phase, Phase::Walking);
        EndTestGame();
        QFile::remove(damage.file);  // the next game copies it whole again
    }
}

const QString kAllEight = QStringLiteral("敬1恭1恵1雅2昌1亮1和1敏1");

// Only a met heroine confesses, and a tie goes to the lower number.
TEST_F(Endings, EachEndingCallsHimAsSheDoesPlaysToTheRollAndIsRecorded) {
    WriteBytes(kSaveFile, "an interrupted game");
    SaveSetting(kClearRecordKey, "亮1");
    QStringList expected{Q(story::GateClosedNarration()), Q(story::CalledFromBehindNarration()),
                         "山田君…"};
    for (const auto& line : story::Confession(3, true))
        expected.append(Q(line.text).replace(Q(story::kFamilyName), "山田"));
    expected.append(Q(story::EpilogueCommonLine()));
    EXPECT_EXIT(
        {
            Meet(3, 6);
            Meet(4, 6);
            GameState.affection[1] = 9;  // never met
            GameState.targetHeroine = 3;
            PlayTheLastMinute();
        },
        testing::ExitedWithCode(0),
        "ending=3 caption=-Velmora 3rd STORY- lines:\n" + expected.join('\n').toStdString());
    EXPECT_EQ(GetSetting(kClearRecordKey), "亮1恵2");
    EXPECT_FALSE(SaveExists());

    // The fan club leader calls him senpai, the girl from another school by his given name.
    EXPECT_EXIT({ PlayTheLastMinute(); }, testing::ExitedWithCode(0),
                "ending=7(.|\n)*\n山田先輩…\n");
    EXPECT_EQ(GetSetting(kClearRecordKey), "亮1和1");  // each child runs the test from its start

    QString epilogue;
    for (const auto& line : story::Epilogue(8))
        if (Q(line.text).contains(Q(story::kGivenName)))
            epilogue = Q(line.text).replace(Q(story::kGivenName), "太郎");
    ASSERT_FALSE(epilogue.isEmpty()) << "her epilogue calls him by his given name";
    EXPECT_EXIT(
        {
            Meet(5, 3);
            PlayTheLastMinute();
        },
        testing::ExitedWithCode(0), "ending=8(.|\n)*\n" + epilogue.toStdString());
    EXPECT_EQ(GetSetting(kClearRecordKey), "亮1敏1");
}

TEST_F(Endings, TheStaffRollShowsItsScreensPlaysItsMusicOnceIgnoresADoubleClickAndEnds) {
    GameState.endingHeroine = 5;
    GameState.musicFile = "M392C.mid";
    QFile::remove("C340C.VEL");
    CampusScreen->Show();
    struct Screen {
        QString role, credits;
        qint64 picture;
        long long musicAt;
    };
    QMap<int, Screen> screens;
    Player player;
    player.Then(
        "the roll ends",
        [&] {
            if (!StaffRoll.IsLoaded()) return true;
            if (StaffRoll->RollStep() == 1 && !screens.contains(1))
                driver::DoubleClick(
                    StaffRoll->creditsLabel);  // only a replay's roll may be cut short
            screens[StaffRoll->RollStep()] = {
                StaffRoll->roleLabel->Caption(), StaffRoll->creditsLabel->Caption(),
                StaffRoll->rollPicture->Picture().cacheKey(), media::SequencePositionMs()};
            return false;
        },
        [] {}, Seconds(90));
    StaffRoll->ShowModal();

    EXPECT_FALSE(CampusScreen.IsLoaded());  // the roll closed the campus
    EXPECT_EQ(screens[5].credits,
              Q(story::Credit(1)) + "\r\n" + Q(story::Credit(2)) + "\r\n" + Q(story::Credit(3)));
    EXPECT_EQ(screens[7].picture, screens[5].picture);  // C340C.VEL is missing: the picture stays
    EXPECT_EQ(screens[7].role, "プログラミング");
    EXPECT_EQ(screens.size(), 23);
    // Its own piece, played once from the first screen to the last without a restart.
    EXPECT_EQ(screens[1].musicAt, 3500);
    EXPECT_EQ(screens[22].musicAt, 22 * 3500);
    EXPECT_EQ(GameState.musicFile, "M392C.mid");
}

// All eight heroines won; the data room opened from the menu replays a heroine's ending.
TEST_F(Endings, AReplayPlaysHerEndingRecordsNothingAndADoubleClickEndsItsRoll) {
    SaveSetting(kClearRecordKey, kAllEight);
    SaveSetting(kSavedFamilyNameKey, "佐藤");
    auto replay = [](int row, Qt::KeyboardModifiers modifiers, Player& player) {
        StartMenu->Show();
        player.Now([] { driver::Click(&StartMenu->entries(2)); })
            .Then(
                "the data room", [] { return DataRoom.IsLoaded() && DataRoom->isVisible(); },
                [=] { driver::DoubleClick(&DataRoom->rowPictures(row), modifiers); });
    };
    EXPECT_EXIT(
        {
            Player player;
            replay(3, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, player);
            player.Then(
                "closing time", [] { return GameState.phase == Phase::ClosingTime; },
                [] { std::fprintf(stderr, "menu=%d\n", StartMenu.IsLoaded()); });
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0), "menu=0\nending=4(.|\n)*佐藤");
    EXPECT_EXIT(
        {
            Player player;
            replay(7, Qt::ShiftModifier | Qt::ControlModifier, player);
            player.Then(
                "the roll", [] { return StaffRoll.IsLoaded() && StaffRoll->RollStep() >= 2; },
                [] {
                    std::fprintf(stderr, "skipped at %d\n", StaffRoll->RollStep());
                    driver::DoubleClick(StaffRoll->creditsLabel);
                });
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0), "skipped at 2\nending=8");
    // In English three given names start with K; the row still replays its own heroine.
    EXPECT_EXIT(
        {
            ui::SetLanguage(ui::Language::English);
            Player player;
            replay(1, Qt::ShiftModifier | Qt::ControlModifier, player);
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0), "ending=2(.|\n)*Morikawa was giving me a little wave");
    EXPECT_EQ(GetSetting(kClearRecordKey), kAllEight);
}

TEST_F(Endings, TheDataRoomListsWinsAndClearsThem) {
    SaveSetting(kClearRecordKey, "恵1敬2");
    SaveSetting(kSavedFamilyNameKey, "山田");
    auto& room = DataRoom.Get();
    EXPECT_EQ(room.rowNames(0).Caption(), Q(story::HeroineName(3)));
    EXPECT_EQ(room.rowNames(1).Caption(), Q(story::HeroineName(1)));
    EXPECT_TRUE(room.rowNames(2).Caption().isEmpty());
    EXPECT_FALSE(room.optionButton->isEnabled());
    DataRoom.Unload();

    SaveSetting(kClearRecordKey, "敬1恭1恵1雅2昌1亮1和1");
    EXPECT_FALSE(DataRoom->optionButton->isEnabled());  // seven rows are not all eight
    DataRoom.Unload();
    SaveSetting(kClearRecordKey, "敬1恭1恵1雅2昌1亮1和1敏3");
    Player player;
    player.Answer(QMessageBox::Ok).Answer(QMessageBox::No).Answer(QMessageBox::Yes);
    driver::Click(DataRoom->optionButton);
    EXPECT_EQ(player.boxes.value(0).title, Q(story::DataRoomAnnouncementTitle()));
    driver::DoubleClick(&DataRoom->rowPictures(0));  // without Shift and Ctrl: no replay
    EXPECT_NE(GameState.phase, Phase::ClosingTime);
    driver::Click(DataRoom->clearButton);
    EXPECT_EQ(player.boxes.value(1).title, "Data Clear!!!");
    EXPECT_FALSE(GetSetting(kClearRecordKey).isEmpty());
    driver::Click(DataRoom->clearButton);
    for (const QString& key : {kClearRecordKey, kSavedFamilyNameKey})
        EXPECT_TRUE(GetSetting(key).isEmpty());
}

// "Yes" saves: the saved-game flow of the front door resumes from it.
TEST_F(Endings, TheQuitPromptRefusesBeforeThePickAndAtClosingTimeAndKeepsAnOlderSave) {
    WriteBytes(kSaveFile, "an older save");
    CampusScreen->Show();
    Player player;
    for (auto [phase, target] :
         {std::pair{Phase::BeforePlay, 0}, std::pair{Phase::ClosingTime, 2}}) {
        GameState.phase = phase;
        GameState.targetHeroine = static_cast<int16_t>(target);
        player.Answer(QMessageBox::Ok);
        CampusScreen->close();
        EXPECT_EQ(player.boxes.last().text, "ここではゲームの中断はできません");
        EXPECT_TRUE(CampusScreen.IsLoaded() && CampusScreen->isVisible());
    }
    // Yes on a full disk: the failure is told with its cause, and the game stays.
    GameState.phase = Phase::Idle;
    player.Answer(QMessageBox::Yes).Answer(QMessageBox::Ok);
    FailWritesWith(ENOSPC);
    CampusScreen->close();
    FailWritesWith(0);
    EXPECT_EQ(player.boxes.value(2).text,
              "Velmora を終了します。\n次回、続きを遊ぶために、データをセーブしますか？\n（セーブ"
              "しないと次回、続きができません）");
    EXPECT_TRUE(player.boxes.value(3).text.startsWith("セーブできませんでした。\nディスクの空き"));
    EXPECT_EQ(player.boxes.value(2).buttons, (QStringList{"キャンセル", "はい(&Y)", "いいえ(&N)"}));
    EXPECT_TRUE(CampusScreen.IsLoaded() && CampusScreen->isVisible());
    EXPECT_EXIT(
        {
            player.Answer(QMessageBox::No);
            CampusScreen->close();
            std::abort();  // not reached: the answer ends the program
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadBytes(kSaveFile), "an older save");
}

TEST_F(FrontDoor, TheMenuGreetsHighlightsAsksForASaveAndAWinAndForNamesThatFit) {
    auto& menu = *StartMenu;
    menu.Show();
    EXPECT_TRUE(menu.balloonLabel->Caption().endsWith("\r\n今日は何して遊ぶんだい？"));
    EXPECT_EQ(GameState.musicFile, "M391C.mid");
    driver::MoveMouse(&menu.entries(1));
    EXPECT_EQ(menu.entries(1).BackColor(), QColor(255, 255, 192));

    driver::Click(&menu.entries(1));
    EXPECT_EQ(menu.balloonLabel->Caption(),
              "ありゃ？前回の記録がないなぁ。ちゃんとセーブしたのかよ？");
    driver::Click(&menu.entries(2));
    EXPECT_TRUE(menu.balloonLabel->Caption().startsWith("ここは、一度でもゲームを最後まで"));
    EXPECT_FALSE(DataRoom.IsLoaded());

    SaveSetting(kClearRecordKey, "恵1");
    Player player;
    player.Then("the data room", Showing(DataRoom), [] {
        driver::Click(DataRoom->backButton);  // 戻る
    });
    driver::Click(&menu.entries(2));
    EXPECT_FALSE(DataRoom.IsLoaded());
    EXPECT_TRUE(menu.entries(2).isVisible());

    WriteBytes(kSaveFile, "x");
    driver::Click(&menu.entries(1));
    EXPECT_TRUE(menu.loadOkButton->isVisible());
    // A damaged save is told, kept, and the menu comes back.
    player.Answer(QMessageBox::Ok);
    driver::Click(menu.loadOkButton);
    EXPECT_EQ(player.boxes.size(), 1);
    EXPECT_TRUE(menu.entries(0).isVisible());
    EXPECT_FALSE(menu.loadOkButton->isVisible());
    EXPECT_TRUE(SaveExists());

    // A new game: the names of last time are proposed, and must be given and fit the save file.
    SaveSetting(kSavedFamilyNameKey, "鈴木");
    SaveSetting(kSavedGivenNameKey, "一郎");
    driver::Click(&menu.entries(0));
    EXPECT_EQ(menu.familyNameBox->Text(), "鈴木");
    EXPECT_EQ(menu.givenNameBox->Text(), "一郎");
    menu.givenNameBox->clear();
    driver::Click(menu.nameOkButton);
    EXPECT_EQ(menu.balloonLabel->Caption(),
              "おい、ふざけてないで、ちゃんと書いてくれよ！俺、泣いちゃうぞ。");
    menu.givenNameBox->SetText("一,郎");
    driver::Click(menu.nameOkButton);
    EXPECT_EQ(menu.balloonLabel->Caption(), NameProblem("一,郎"));
    // A family name without room in the lines is handed back as typed, never cut short. (The
    // given name stays refused, so that a wrongly taken one cannot start the game.)
    menu.familyNameBox->SetText(QString(9, QChar(u'高')));
    driver::Click(menu.nameOkButton);
    EXPECT_EQ(menu.balloonLabel->Caption(),
              "その名前じゃ長すぎて、名簿に書ききれないよ。もう少し短くしてくれ。");
    EXPECT_EQ(menu.familyNameBox->Text(), QString(9, QChar(u'高')));
    EXPECT_EQ(GetSetting(kSavedGivenNameKey), "一郎");  // nothing stored for a refused name
    EXPECT_TRUE(menu.namePanel->isVisible());
}

TEST_F(FrontDoor, ANewGameNarratesPicksInTheAlbumRollsAffectionAndStoresTheNames) {
    Player player;
    QStringList hints;
    int rolled = 0;
    TitleScreen->Show();
    NewGame(
        player, 3,
        [&] {
            EXPECT_EQ(Clock(), "4:30 PM");  // no clock in the opening
            rolled = GameState.affection[3];
            for (auto [photo, at] : {std::pair{2, QPoint(-1, -1)},
                                     {2, QPoint(5, 5)},
                                     {2, QPoint(9, 9)},
                                     {3, QPoint(-1, -1)}}) {
                driver::MoveMouse(&GraduationAlbum->photos(photo), at);
                hints.append(GraduationAlbum->messageLabel->Caption());
            }
            driver::Click(&GraduationAlbum->photos(6));  // a friend's photo picks nobody
        },
        "Takahashix");  // a name of ten letters has room, and is taken whole
    player.Run("the clock starts", Idle, Seconds(10));
    QStringList opening;
    for (auto line : story::OpeningNarration()) opening.append(Q(line));
    EXPECT_EQ(player.clickedThrough.mid(0, 7), opening);  // one click per line
    // The day begins with the ceremony just over, not long past.
    EXPECT_TRUE(opening.value(1).startsWith("卒業式は、ついさっき終わったばかりだ。"))
        << opening.value(1);
    // The first movement brings his first thought, each photo its own line, the same photo
    // nothing new.
    EXPECT_EQ(hints, (QStringList{"俺がちょっと気になっていたコは…", Q(story::AlbumHint(2)),
                                  Q(story::AlbumHint(2)), Q(story::AlbumHint(3))}));
    EXPECT_EQ(GameState.targetHeroine, 3);  // the first photo clicked, not the one that confirmed
    EXPECT_EQ(GameState.affection[3], rolled - 2);  // she starts a little further away
    for (int h : {1, 2, 4, 5, 6}) {
        EXPECT_GE(GameState.affection[static_cast<size_t>(h)], 0);
        EXPECT_LE(GameState.affection[static_cast<size_t>(h)], 4);
    }
    EXPECT_EQ(Clock(), "4:31 PM");
    EXPECT_EQ(Line(), "さて、初めはどこに行こうかな。それとも、ここにじっとしていようか…");
    EXPECT_EQ(GameState.musicFile, "M394C.mid");
    EXPECT_EQ(GameState.familyName, "Takahashix");
    EXPECT_EQ(GetSetting(kSavedFamilyNameKey), "Takahashix");
    EXPECT_EQ(GetSetting(kSavedGivenNameKey), "太郎");
    EXPECT_FALSE(StartMenu.IsLoaded());  // the game closed the menu
}
TEST_F(FrontDoor, ClosingTheTitleOrTheMenuEndsTheProgram) {
    auto close = [](ui::Form& screen) {
        screen.Show();
        screen.close();
        std::abort();  // not reached: the close ended the program
    };
    EXPECT_EXIT(close(*TitleScreen), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(close(*StartMenu), testing::ExitedWithCode(0), "");
}

// A modifier key held before the jingle silences the demo; held at Start, it mutes the music.
TEST_F(FrontDoor, AModifierSilencesTheDemoOrMutesTheMusicAndStartMidAnimationIsSafe) {
    LogoDemo->Show();
    Player player;
    player.Run(
        "the jingle", [] { return media::EffectPlaying(); }, Seconds(2));
    player.Run(
        "the end of the demo", [] { return !LogoDemo->isVisible(); }, Seconds(5));
    EXPECT_FALSE(LogoDemo->yearLabel->isHidden());  // "2000" came before the end
    LogoDemo.Unload();

    // Shift before the jingle's moment: a silent demo; the animation runs as ever.
    LogoDemo->Show();
    QTest::keyPress(LogoDemo.operator->(), Qt::Key_Shift);
    EXPECT_TRUE(LogoDemo->SoundOff());
    player.Run(
        "the last stroke", [] { return !LogoDemo->strokes(19).isHidden(); }, Seconds(5));
    EXPECT_FALSE(media::EffectPlaying());
    LogoDemo.Unload();

    GameState.musicFile = "M390C.mid";
    TitleScreen->Show();
    player
        .Then(
            "the 3 spreads",
            [] { return TitleScreen->threes(1).pos() != TitleScreen->threes(0).pos(); },
            [] { driver::Click(TitleScreen->startLabel, Qt::ShiftModifier); }, Seconds(8))
        .Wait(2);  // the menu's keeper ticks
    EXPECT_TRUE(GameState.musicMuted);
    EXPECT_FALSE(TitleScreen.IsLoaded());
    EXPECT_TRUE(Showing(StartMenu)());
    EXPECT_FALSE(IsMidiPlaying());
}

TEST_F(FrontDoor, ASavedGameContinuesInANewProcessToTheWin) {
    EXPECT_EXIT(
        {
            Player player;
            NewGame(player, 4);
            WalkFrom(player, 3, 6);  // to the nature garden, one minute
            player.Then("at the garden", IdleAt(7), [] { CampusScreen->close(); })
                .Answer(QMessageBox::Yes);
            RunToTheEnd(player);
        },
        testing::ExitedWithCode(0), "");
    // Not fatal: each child process runs this body again, after a later child removed the save.
    QString problem;
    EXPECT_TRUE(ReadSave(problem));
    const GameRecord saved = GameState;
    EXPECT_EQ(saved.currentLocation, 7);
    EXPECT_EQ(saved.targetHeroine, 4);

    // Every heroine won once before, so that the data room offers its replay afterwards.
    SaveSetting(kClearRecordKey, "敬1恭1恵1雅1昌1亮1和1敏1");
    const std::string state = QStringLiteral("resumed %1 %2 %3 %4 file=0")
                                  .arg(saved.elapsedMinutes)
                                  .arg(saved.currentLocation)
                                  .arg(saved.targetHeroine)
                                  .arg(saved.affection[4])
                                  .toStdString();
    EXPECT_EXIT(
        {
            Player player;
            player
                .Then("the title", Showing(TitleScreen),
                      [] { driver::Click(TitleScreen->startLabel); })
                .Then("the menu", Showing(StartMenu),
                      [] {
                          driver::Click(&StartMenu->entries(1));
                          driver::Click(StartMenu->loadOkButton);
                      })
                .Then("the campus", Idle, [] {
                    std::fprintf(stderr, "resumed %d %d %d %d file=%d\n", GameState.elapsedMinutes,
                                 GameState.currentLocation, GameState.targetHeroine,
                                 GameState.affection[4], SaveExists());
                });
            RunToTheEnd(player);  // on to five o'clock and the end
        },
        testing::ExitedWithCode(0), state);
    EXPECT_EQ(GetSetting(kClearRecordKey).size(), 16);
    EXPECT_FALSE(SaveExists());
}

// A request to end from outside, as a desktop or a terminal sends it: the game plays in a child
// process, which signals itself at the moment the test names; the test then checks what it left.
class Signals : public Game {
  protected:
    // In the child: a new game with heroine 2 picked (pick 0: only its opening), and `plan`'s
    // steps to the moment. A game that does not end then plays on, and exits with 0 at the end.
    static void Play(int pick, const std::function<void(Player&)>& plan) {
        Player player;
        player.autoClick = pick != 0;  // the opening stays on its first line
        NewGame(player, pick);
        plan(player);
        RunToTheEnd(player);
    }
    // Sends `signal` to the whole process, as from outside; the game plays on until it ends it.
    static void Request(int signal) { ::kill(::getpid(), signal); }
};

TEST_F(Signals, OffCampusNothingIsSavedButAWinShownOnCampusTheGameIsSavedAndASecondEndsItAtOnce) {
    // Before the campus opens nothing is saved; after the gate a win already shown is recorded.
    EXPECT_EXIT(Play(0,
                     [](Player& p) {
                         p.Then("the opening", Showing(CampusScreen), [] { Request(SIGINT); });
                     }),
                testing::ExitedWithCode(128 + SIGINT), "");
    EXPECT_FALSE(SaveExists());
    EXPECT_EXIT(Play(2,
                     [](Player& p) {
                         p.Then(
                             "the staff roll", Showing(StaffRoll), [] { Request(SIGTERM); },
                             ByMinute(40));
                     }),
                testing::ExitedWithCode(128 + SIGTERM), "");
    EXPECT_EQ(GetSetting(kClearRecordKey).size(), 2);
    EXPECT_FALSE(SaveExists());

    // On the campus the game is saved as Yes would save it: idle in the garden at 4:32, or asked
    // on the rooftop at 4:34. The session's end is no signal.
    for (const auto& [toRoof, signal] : {std::pair{false, SIGTERM}, {true, SIGINT}, {false, 0}}) {
        SCOPED_TRACE(signal);
        DeleteSave();
        EXPECT_EXIT(Play(2,
                         [toRoof, signal](Player& p) {
                             WalkFrom(p, 3, toRoof ? 0 : 6);
                             p.Then("there", toRoof ? Showing(AnswerWindow) : IdleAt(7),
                                    [=] { signal ? Request(signal) : ui::EndOnRequest(0); });
                         }),
                    testing::ExitedWithCode(signal ? 128 + signal : 0), "");
        QString problem;
        EXPECT_TRUE(ReadSave(problem)) << problem;  // not fatal: a later child runs this again
        EXPECT_EQ(GameState.elapsedMinutes, toRoof ? 4 : 2);
        EXPECT_EQ(GameState.currentLocation, toRoof ? 1 : 7);
        EXPECT_EQ(GameState.targetHeroine, 2);
    }
    // A second request while the first is being kept ends the game at once; the old save stays.
    WriteBytes(kSaveFile, "old save\r\n");
    EXPECT_EXIT(Play(2,
                     [](Player& p) {
                         p.Then("the campus", IdleAt(3), [] {
                             // As a save to a slow disk would, keeping holds the first request up.
                             ui::KeepBeforeEndOnRequest([] {
                                 ::kill(::getpid(), SIGINT);
                                 for (;;) pause();
                             });
                             Request(SIGTERM);
                         });
                     }),
                testing::ExitedWithCode(128 + SIGINT), "");
    EXPECT_EQ(ReadBytes(kSaveFile), "old save\r\n");
}

}  // namespace

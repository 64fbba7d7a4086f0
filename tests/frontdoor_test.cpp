#include <gtest/gtest.h>
#include <QFile>
#include <QMessageBox>
#include <QTest>

#include "conversation/VelSerif.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "frontend/Demoform.h"
#include "frontend/Main.h"
#include "frontend/VelAlbum.h"
#include "frontend/VelStart.h"
#include "frontend/VelTitle.h"
#include "media/KV_Midi.h"
#include "media/audio.h"
#include "records/VelDatarm.h"
#include "records/savefile.h"
#include "records/settings.h"
#include "tests/support/player.h"
#include "ui/runtime.h"

namespace {

class FrontDoor : public testing::Test {
  protected:
    void SetUp() override { BeginTestGame(); }
    void TearDown() override { EndTestGame(); }

    template <class F>
    static std::function<bool()> Showing(ui::DefaultInstance<F>& screen) {
        return [&screen] { return screen.IsLoaded() && screen->isVisible(); };
    }
    static std::function<bool()> IdleAt(int location) {
        return [location] {
            return GameState.phase == Phase::Idle && GameState.currentLocation == location;
        };
    }

    // From the logo to a new game's campus, idle at 4:31 PM with heroine `pick` chosen.
    static void NewGame(Player& player, int pick) {
        player.Then("the title", Showing(VelTitle), [] { driver::Click(VelTitle->Label2); })
            .Then("the menu", Showing(VelStart),
                  [] {
                      driver::Click(&VelStart->Label1(0));
                      VelStart->Text1->clear();
                      VelStart->Text2->clear();
                      driver::TypeJapanese(VelStart->Text1, QStringLiteral("山田"));
                      driver::TypeJapanese(VelStart->Text2, QStringLiteral("太郎"));
                      driver::Click(VelStart->OKBUTTON);
                  })
            .Then("the album", Showing(VelAlbum),
                  [pick] { driver::Click(&VelAlbum->Image1(pick - 1)); })
            .Then("the album asks", [] { return !VelAlbum->Label1->Caption().isEmpty(); },
                  [pick] { driver::Click(&VelAlbum->Image1(pick - 1)); });
    }
    static void Walk(Player& player, int from, int button) {
        player.Then(
            "a walk", IdleAt(from), [button] { driver::Click(&VelMain->Command1(button)); },
            ByMinute(29));
    }
    static void Answer(Player& player, int line) {
        player.Then(
            "her question", Showing(VelSerif), [line] { driver::Click(&VelSerif->Command1(line)); },
            ByMinute(29));
    }
    static void RunToTheEnd(Player& player) {
        Main();
        player.Run("the program ends", [] { return false; }, ByMinute(40));
    }
};

TEST_F(FrontDoor, TheMenuGreetsHighlightsAndAsksForASaveAndAWin) {
    auto& menu = *VelStart;
    menu.Show();
    EXPECT_TRUE(menu.Serif->Caption().endsWith("\r\n今日は何して遊ぶんだい？"));
    EXPECT_EQ(GameState.musicFile, "M391C.mid");
    const QColor own = menu.Label1(1).BackColor();
    driver::MoveMouse(&menu.Label1(1));
    EXPECT_EQ(menu.Label1(1).BackColor(), QColor(255, 255, 192));
    driver::MoveMouse(&menu.Label1(2));
    EXPECT_EQ(menu.Label1(1).BackColor(), own);

    driver::Click(&menu.Label1(1));
    EXPECT_EQ(menu.Serif->Caption(), "ありゃ？前回の記録がないなぁ。ちゃんとセーブしたのかよ？");
    driver::Click(&menu.Label1(2));
    EXPECT_TRUE(menu.Serif->Caption().startsWith("ここは、一度でもゲームを最後まで"));
    EXPECT_FALSE(VelDatarm.IsLoaded());

    SaveSetting(kClearRecordKey, "恵1");
    Player player;
    player.Then("the data room", Showing(VelDatarm), [] {
        EXPECT_EQ(QApplication::activeModalWidget(), VelDatarm.operator->());
        driver::Click(VelDatarm->Command1);  // 戻る
    });
    driver::Click(&menu.Label1(2));
    EXPECT_FALSE(VelDatarm.IsLoaded());
    EXPECT_TRUE(menu.Label1(2).isVisible());

    QFile save(kSaveFile);
    ASSERT_TRUE(save.open(QIODevice::WriteOnly));
    save.write("x");
    save.close();
    driver::Click(&menu.Label1(1));
    EXPECT_TRUE(menu.LOADOK->isVisible());
    // A damaged save is told, kept, and the menu comes back.
    player.Answer(QMessageBox::Ok);
    driver::Click(menu.LOADOK);
    EXPECT_EQ(player.boxes.size(), 1);
    EXPECT_TRUE(menu.Label1(0).isVisible());
    EXPECT_FALSE(menu.LOADOK->isVisible());
    EXPECT_TRUE(SaveExists());
}

TEST_F(FrontDoor, NamesMustBeGivenAndFitTheSaveFile) {
    SaveSetting(kSavedFamilyNameKey, "鈴木");
    SaveSetting(kSavedGivenNameKey, "一郎");
    auto& menu = *VelStart;
    menu.Show();
    driver::Click(&menu.Label1(0));
    EXPECT_EQ(menu.Text1->Text(), "鈴木");  // the names of last time are proposed
    EXPECT_EQ(menu.Text2->Text(), "一郎");
    menu.Text2->clear();
    driver::Click(menu.OKBUTTON);
    EXPECT_EQ(menu.Serif->Caption(),
              "おい、ふざけてないで、ちゃんと書いてくれよ！俺、泣いちゃうぞ。");
    for (const QString bad : {"一,郎", " 一郎"}) {
        menu.Text2->SetText(bad);
        driver::Click(menu.OKBUTTON);
        EXPECT_EQ(menu.Serif->Caption(), NameProblem(bad));
    }
    EXPECT_EQ(GetSetting(kSavedGivenNameKey), "一郎");  // nothing stored for a refused name
    EXPECT_TRUE(menu.Picture1->isVisible());
}

TEST_F(FrontDoor, ANewGameRollsAffectionAndStoresTheNames) {
    Player player;
    VelTitle->Show();
    NewGame(player, 1);
    player.Run("the clock starts", [] { return GameState.phase == Phase::Idle; }, Seconds(10));
    for (int h = 2; h <= 6; ++h) {
        EXPECT_GE(GameState.affection[static_cast<size_t>(h)], 0);
        EXPECT_LE(GameState.affection[static_cast<size_t>(h)], 4);
        EXPECT_EQ(GameState.metStage[static_cast<size_t>(h)], 0);
    }
    EXPECT_EQ(GetSetting(kSavedFamilyNameKey), "山田");
    EXPECT_EQ(GetSetting(kSavedGivenNameKey), "太郎");
    EXPECT_FALSE(VelStart.IsLoaded());  // the game closed the menu
}

TEST_F(FrontDoor, StartWithAModifierMutesTheMusicAndStartMidAnimationIsSafe) {
    GameState.musicFile = "M390C.mid";
    auto& title = *VelTitle;
    title.Show();
    driver::MoveMouse(title.Label2);
    EXPECT_EQ(title.Label2->BackColor(), QColor(160, 64, 64));
    driver::MoveMouse(&title);
    EXPECT_EQ(title.Label2->BackColor(), QColor(0, 128, 128));
    Player player;
    player
        .Then(
            "the 3 spreads",
            [] { return VelTitle->Label3(1).pos() != VelTitle->Label3(0).pos(); },
            [] { driver::Click(VelTitle->Label2, Qt::ShiftModifier); }, Seconds(8))
        .Wait(2);  // the menu's keeper ticks
    EXPECT_TRUE(GameState.musicMuted);
    EXPECT_FALSE(VelTitle.IsLoaded());
    EXPECT_TRUE(Showing(VelStart)());
    EXPECT_FALSE(IsMidiPlaying());
}

TEST_F(FrontDoor, ClosingTheTitleOrTheMenuEndsTheProgram) {
    auto close = [](ui::Form& screen) {
        screen.Show();
        screen.close();
        std::abort();  // not reached: the close ended the program
    };
    EXPECT_EXIT(close(*VelTitle), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(close(*VelStart), testing::ExitedWithCode(0), "");
}

TEST_F(FrontDoor, TheDemoPlaysItsJingleUnlessAModifierKeyIsHeld) {
    Demoform->Show();
    Player player;
    player.Run("the jingle", [] { return media::EffectPlaying(); }, Seconds(2));
    EXPECT_TRUE(Demoform->Line1(1).isHidden());
    driver::TypeKey(Demoform.operator->(), Qt::Key_A);  // no modifier: nothing
    EXPECT_FALSE(Demoform->SoundOff());
    EXPECT_TRUE(media::EffectPlaying());
    player.Run("the end of the demo", [] { return !Demoform->isVisible(); }, Seconds(5));
    EXPECT_FALSE(Demoform->Label1->isHidden());  // "2000" came before the end
    Demoform.Unload();

    // Shift before the jingle's moment: a silent demo; the animation runs as ever.
    Demoform->Show();
    QTest::keyPress(Demoform.operator->(), Qt::Key_Shift);
    EXPECT_TRUE(Demoform->SoundOff());
    player.Run("the last stroke", [] { return !Demoform->Line1(19).isHidden(); }, Seconds(5));
    EXPECT_FALSE(media::EffectPlaying());
}

TEST_F(FrontDoor, AWholeGameFromTheLogoToTheRecordedWin) {
    EXPECT_EXIT(
        {
            Player player(11);
            NewGame(player, 2);
            Walk(player, 3, 0);  // to the rooftop: the phone rings on the way, heroine 2 waits
            Answer(player, 0);
            Walk(player, 1, 3);  // to the gymnasium
            Walk(player, 4, 5);  // to the tennis court: heroine 6 stands there
            Answer(player, 1);
            ui::AtEndProgram([&] {
                std::fprintf(stderr, "ending=%d met=%d mails=%d clicked=%lld\n",
                             GameState.endingHeroine, GameState.metStage[2] + GameState.metStage[6],
                             GameState.mailCount,
                             static_cast<long long>(player.clickedThrough.size()));
            });
            RunToTheEnd(player);
        },
        testing::ExitedWithCode(0), "ending=[1-8] met=2 mails=1 clicked=[1-9][0-9]");
    EXPECT_EQ(GetSetting(kClearRecordKey).size(), 2);
    EXPECT_EQ(GetSetting(kSavedFamilyNameKey), "山田");
    EXPECT_FALSE(SaveExists());
}

TEST_F(FrontDoor, ASavedGameContinuesInANewProcessThenTheDataRoomReplaysAWin) {
    EXPECT_EXIT(
        {
            Player player;
            NewGame(player, 4);
            Walk(player, 3, 6);  // to the nature garden, one minute
            player.Then("at the garden", IdleAt(7), [] { VelMain->close(); }).Answer(QMessageBox::Yes);
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
    const std::string state =
        QStringLiteral("resumed %1 %2 %3 %4 file=0")
            .arg(saved.elapsedMinutes)
            .arg(saved.currentLocation)
            .arg(saved.targetHeroine)
            .arg(saved.affection[4])
            .toStdString();
    EXPECT_EXIT(
        {
            Player player;
            player.Then("the title", Showing(VelTitle), [] { driver::Click(VelTitle->Label2); })
                .Then("the menu", Showing(VelStart),
                      [] {
                          driver::Click(&VelStart->Label1(1));
                          driver::Click(VelStart->LOADOK);
                      })
                .Then("the campus", [] { return GameState.phase == Phase::Idle; }, [] {
                    std::fprintf(stderr, "resumed %d %d %d %d file=%d\n", GameState.elapsedMinutes,
                                 GameState.currentLocation, GameState.targetHeroine,
                                 GameState.affection[4], SaveExists());
                });
            RunToTheEnd(player);  // on to five o'clock and the end
        },
        testing::ExitedWithCode(0), state);
    const QString afterWin = GetSetting(kClearRecordKey);
    EXPECT_EQ(afterWin.size(), 16);
    EXPECT_FALSE(SaveExists());

    EXPECT_EXIT(
        {
            Player player;
            player.Then("the title", Showing(VelTitle), [] { driver::Click(VelTitle->Label2); })
                .Then("the menu", Showing(VelStart), [] { driver::Click(&VelStart->Label1(2)); })
                .Then("the data room", Showing(VelDatarm), [] {
                    driver::DoubleClick(&VelDatarm->Image2(1), Qt::ShiftModifier | Qt::ControlModifier);
                });
            ui::AtEndProgram([] { std::fprintf(stderr, "replayed %d\n", GameState.endingHeroine); });
            RunToTheEnd(player);
        },
        testing::ExitedWithCode(0), "replayed 2");
    EXPECT_EQ(GetSetting(kClearRecordKey), afterWin);
}

}  // namespace

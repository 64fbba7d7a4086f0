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
#include "tests/support/driver.h"
#include "tests/support/player.h"
#include "tests/support/sandbox.h"
#include "ui/Timer.h"
#include "ui/runtime.h"

namespace {

class FrontDoor : public testing::Test {
  protected:
    void SetUp() override { BeginTestGame(); }
    void TearDown() override { EndTestGame(); }

    static bool Showing(ui::Form* form) { return form && form->isVisible(); }

    // From the title to a new game's campus, idle at 4:31 PM with heroine `pick` chosen.
    static void NewGame(Player& player, int pick) {
        player.Then([] { return VelTitle.IsLoaded() && VelTitle->isVisible(); },
                    [] { driver::Click(VelTitle->Label2); });
        player.Then([] { return VelStart.IsLoaded() && VelStart->isVisible(); },
                    [] {
                        driver::Click(&VelStart->Label1(0));
                        VelStart->Text1->clear();
                        VelStart->Text2->clear();
                        driver::TypeJapanese(VelStart->Text1, QStringLiteral("山田"));
                        driver::TypeJapanese(VelStart->Text2, QStringLiteral("太郎"));
                        driver::Click(VelStart->OKBUTTON);
                    });
        player.Then([] { return VelAlbum.IsLoaded() && VelAlbum->isVisible(); },
                    [pick] { driver::Click(&VelAlbum->Image1(pick - 1)); });
        player.Then([] { return VelAlbum.IsLoaded() && !VelAlbum->Label1->Caption().isEmpty(); },
                    [pick] { driver::Click(&VelAlbum->Image1(pick - 1)); });
        player.Then([] { return GameState.phase == Phase::Idle; }, [] {});
    }

    static void Walk(Player& player, int fromLocation, int button) {
        player.Then(
            [fromLocation] {
                return GameState.phase == Phase::Idle && GameState.currentLocation == fromLocation;
            },
            [button] { driver::Click(&VelMain->Command1(button)); });
    }
    static void Answer(Player& player, int button) {
        player.Then([] { return VelSerif.IsLoaded() && VelSerif->isVisible(); },
                    [button] { driver::Click(&VelSerif->Command1(button)); });
    }
    [[noreturn]] static void RunGame() {
        driver::RunUntil([] { return false; }, 60000);
        std::abort();  // the game should have ended the program
    }
};

TEST_F(FrontDoor, TheMenuGreetsByTheHour) {
    const std::pair<int, const char*> hours[] = {
        {0, "よう！"},        {3, "よう！"},        {4, "おはよう！"}, {10, "おはよう！"},
        {11, "こんにちは！"}, {17, "こんにちは！"}, {18, "よう！"},    {23, "よう！"}};
    for (auto [hour, greeting] : hours) EXPECT_EQ(GreetingForHour(hour), greeting) << hour;
    EXPECT_TRUE(VelStart->Serif->Caption().endsWith("\r\n今日は何して遊ぶんだい？"));
    EXPECT_EQ(GameState.musicFile, "M391C.mid");
}

TEST_F(FrontDoor, TheMenuHighlightsTheEntryUnderTheMouse) {
    auto& menu = *VelStart;
    menu.Show();
    const QColor own = menu.Label1(1).BackColor();
    driver::MoveMouse(&menu.Label1(1));
    EXPECT_EQ(menu.Label1(1).BackColor(), QColor(255, 255, 192));
    driver::MoveMouse(&menu.Label1(2));
    EXPECT_EQ(menu.Label1(1).BackColor(), own);
    driver::MoveMouse(&menu);
    EXPECT_NE(menu.Label1(2).BackColor(), QColor(255, 255, 192));
}

TEST_F(FrontDoor, ContinueAndDataRoomNeedASaveAndAWin) {
    auto& menu = *VelStart;
    menu.Show();
    driver::Click(&menu.Label1(1));
    EXPECT_EQ(menu.Serif->Caption(), "ありゃ？前回の記録がないなぁ。ちゃんとセーブしたのかよ？");
    EXPECT_TRUE(menu.Label1(0).isVisible());
    driver::Click(&menu.Label1(2));
    EXPECT_TRUE(menu.Serif->Caption().startsWith("ここは、一度でもゲームを最後まで"));
    EXPECT_FALSE(VelDatarm.IsLoaded());

    SaveSetting("CString", "恵1");
    const QString said = menu.Serif->Caption();
    driver::After(50, [] {
        EXPECT_EQ(QApplication::activeModalWidget(), VelDatarm.operator->());
        driver::Click(VelDatarm->Command1);  // 戻る
    });
    driver::Click(&menu.Label1(2));
    EXPECT_FALSE(VelDatarm.IsLoaded());
    EXPECT_TRUE(menu.Label1(2).isVisible());
    EXPECT_EQ(menu.Serif->Caption(), said);

    QFile save(kSaveFile);
    ASSERT_TRUE(save.open(QIODevice::WriteOnly));
    save.write("x");
    save.close();
    driver::Click(&menu.Label1(1));
    EXPECT_TRUE(menu.LOADOK->isVisible());
    EXPECT_FALSE(menu.Label1(0).isVisible());
    // A damaged save is told, kept, and the menu comes back.
    driver::AnswerNextMessageBox(QMessageBox::Ok);
    driver::Click(menu.LOADOK);
    EXPECT_TRUE(menu.Label1(0).isVisible());
    EXPECT_FALSE(menu.LOADOK->isVisible());
    EXPECT_TRUE(SaveExists());
}

TEST_F(FrontDoor, NamesMustBeGivenAndFitTheSaveFile) {
    SaveSetting("SavedMyouji", "鈴木");
    SaveSetting("SavedNamae", "一郎");
    auto& menu = *VelStart;
    menu.Show();
    driver::Click(&menu.Label1(0));
    EXPECT_TRUE(menu.Picture1->isVisible());
    EXPECT_EQ(menu.Text1->Text(), "鈴木");  // the names of last time are proposed
    EXPECT_EQ(menu.Text2->Text(), "一郎");

    menu.Text2->clear();
    driver::Click(menu.OKBUTTON);
    EXPECT_EQ(menu.Serif->Caption(),
              "おい、ふざけてないで、ちゃんと書いてくれよ！俺、泣いちゃうぞ。");
    menu.Text2->SetText("一,郎");
    driver::Click(menu.OKBUTTON);
    EXPECT_EQ(menu.Serif->Caption(), NameProblem("一,郎"));
    menu.Text2->SetText(" 一郎");
    driver::Click(menu.OKBUTTON);
    EXPECT_EQ(menu.Serif->Caption(), NameProblem(" 一郎"));
    EXPECT_EQ(GetSetting("SavedNamae"), "一郎");  // nothing stored for a refused name
    EXPECT_TRUE(menu.Picture1->isVisible());
}

TEST_F(FrontDoor, ANewGameRollsAffectionAndStoresTheNames) {
    Player player;
    std::array<int16_t, 7> rolled{};
    int16_t elapsed = -1;
    player.Now([] {
        VelStart->Show();
        driver::Click(&VelStart->Label1(0));
        VelStart->Text1->SetText("佐藤");
        VelStart->Text2->SetText("花子");
        driver::Click(VelStart->OKBUTTON);
    });
    player.Then([] { return VelAlbum.IsLoaded(); },
                [&] {
                    rolled = GameState.affection;
                    elapsed = GameState.elapsedMinutes;
                    driver::Click(&VelAlbum->Image1(0));
                });
    player.Then([] { return VelAlbum.IsLoaded() && !VelAlbum->Label1->Caption().isEmpty(); },
                [] { driver::Click(&VelAlbum->Image1(0)); });
    ASSERT_TRUE(driver::RunUntil([&] { return player.Done() && GameState.phase == Phase::Idle; }));
    for (int h = 1; h <= 6; ++h) {
        EXPECT_GE(rolled[static_cast<size_t>(h)], 0);
        EXPECT_LE(rolled[static_cast<size_t>(h)], 4);
        EXPECT_EQ(GameState.metStage[static_cast<size_t>(h)], 0);
    }
    EXPECT_EQ(elapsed, 0);
    EXPECT_EQ(GetSetting("SavedMyouji"), "佐藤");
    EXPECT_EQ(GetSetting("SavedNamae"), "花子");
    EXPECT_EQ(GameState.familyName, "佐藤");
    EXPECT_FALSE(VelStart.IsLoaded());  // the game closed the menu
}

TEST_F(FrontDoor, StartWithAModifierMutesTheMusicForTheRun) {
    GameState.musicFile = "M390C.mid";
    auto& title = *VelTitle;
    title.Show();
    driver::MoveMouse(title.Label2);
    EXPECT_EQ(title.Label2->BackColor(), QColor(160, 64, 64));
    driver::MoveMouse(&title);
    EXPECT_EQ(title.Label2->BackColor(), QColor(0, 128, 128));
    driver::Click(title.Label2, Qt::ShiftModifier);
    EXPECT_TRUE(GameState.musicMuted);
    EXPECT_FALSE(VelTitle.IsLoaded());
    ASSERT_TRUE(VelStart.IsLoaded());
    EXPECT_TRUE(VelStart->isVisible());
    driver::RunFor(50);  // the menu's keeper ticks
    EXPECT_FALSE(IsMidiPlaying());
}

TEST_F(FrontDoor, StartDuringTheTitleAnimationOpensTheMenuSafely) {
    Player player;
    VelTitle->Show();
    player.Then(
        [] {
            return VelTitle.IsLoaded() && VelTitle->Label3(1).pos() != VelTitle->Label3(0).pos();
        },
        [] { driver::Click(VelTitle->Label2); });
    ASSERT_TRUE(driver::RunUntil([&] { return player.Done(); }, 5000));
    driver::RunFor(100);
    EXPECT_FALSE(VelTitle.IsLoaded());
    EXPECT_TRUE(VelStart.IsLoaded() && VelStart->isVisible());
}

TEST_F(FrontDoor, ClosingTheTitleOrTheMenuEndsTheProgram) {
    EXPECT_EXIT(
        {
            VelTitle->Show();
            VelTitle->close();
            std::abort();
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            VelStart->Show();
            VelStart->close();
            driver::RunFor(100);
            std::abort();
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(FrontDoor, TheDemoPlaysItsJingleUnlessAModifierKeyIsHeld) {
    ui::testing::SetTimeScale(0.25);  // a tick every 50 ms
    media::StartAudio();
    Demoform->Show();
    ASSERT_TRUE(driver::RunUntil([] { return media::EffectPlaying(); }, 2000));
    EXPECT_TRUE(Demoform->Line1(1).isHidden());
    ASSERT_TRUE(driver::RunUntil([] { return !Demoform->Line1(19).isHidden(); }, 2000));
    driver::TypeKey(Demoform.operator->(), 'a');  // no modifier: nothing
    EXPECT_FALSE(Demoform->SoundOff());
    EXPECT_TRUE(media::EffectPlaying());
    ASSERT_TRUE(driver::RunUntil([] { return !Demoform->isVisible(); }, 3000));
    EXPECT_FALSE(Demoform->Label1->isHidden());  // "2000" came before the end
    Demoform.Unload();

    // Shift before the jingle's moment: a silent demo; the animation runs as ever.
    media::PlayEffect("Dummy.wav", true);
    Demoform->Show();
    QTest::keyPress(Demoform.operator->(), Qt::Key_Shift);
    EXPECT_TRUE(Demoform->SoundOff());
    driver::RunFor(600);
    EXPECT_FALSE(media::EffectPlaying());
    EXPECT_FALSE(Demoform->Line1(19).isHidden());
}

TEST_F(FrontDoor, AWholeGameFromTheLogoToTheRecordedWin) {
    ShareSandboxWithChildren share;
    EXPECT_EXIT(
        {
            Player player;
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
            Main();
            RunGame();
        },
        testing::ExitedWithCode(0), "ending=[1-8] met=2 mails=1 clicked=[1-9][0-9]");
    EXPECT_EQ(GetSetting("CString").size(), 2);
    EXPECT_EQ(GetSetting("SavedMyouji"), "山田");
    EXPECT_FALSE(SaveExists());
}

TEST_F(FrontDoor, ASavedGameContinuesInANewProcessThenTheDataRoomReplaysAWin) {
    ShareSandboxWithChildren share;
    EXPECT_EXIT(
        {
            Player player;
            NewGame(player, 4);
            Walk(player, 3, 6);  // to the nature garden, one minute
            player.Then(
                [] { return GameState.phase == Phase::Idle && GameState.currentLocation == 7; },
                [] {
                    driver::AnswerNextMessageBox(QMessageBox::Yes);
                    VelMain->close();
                });
            Main();
            RunGame();
        },
        testing::ExitedWithCode(0), "");
    // Checks between the processes do not stop the test: each child runs this body again up to
    // its own part, past checks that held only before it.
    EXPECT_TRUE(SaveExists());
    QString problem;
    EXPECT_TRUE(ReadSave(problem));
    const GameRecord saved = GameState;
    EXPECT_EQ(saved.currentLocation, 7);
    EXPECT_EQ(saved.targetHeroine, 4);

    // Every heroine won once before, so that the data room offers its replay afterwards.
    SaveSetting("CString", "敬1恭1恵1雅1昌1亮1和1敏1");
    const std::string state = "resumed " + std::to_string(saved.elapsedMinutes) + " " +
                              std::to_string(saved.currentLocation) + " " +
                              std::to_string(saved.targetHeroine) + " " +
                              std::to_string(saved.affection[4]);
    EXPECT_EXIT(
        {
            Player player;
            player.Then([] { return VelTitle.IsLoaded() && VelTitle->isVisible(); },
                        [] { driver::Click(VelTitle->Label2); });
            player.Then([] { return VelStart.IsLoaded() && VelStart->isVisible(); },
                        [] {
                            driver::Click(&VelStart->Label1(1));
                            driver::Click(VelStart->LOADOK);
                        });
            player.Then([] { return GameState.phase == Phase::Idle; },
                        [] {
                            std::fprintf(stderr, "resumed %d %d %d %d file=%d\n",
                                         GameState.elapsedMinutes, GameState.currentLocation,
                                         GameState.targetHeroine, GameState.affection[4],
                                         SaveExists());
                        });
            Main();
            RunGame();  // on to five o'clock and the end
        },
        testing::ExitedWithCode(0), state + " file=0");
    const QString afterWin = GetSetting("CString");
    EXPECT_EQ(afterWin.size(), 16);
    EXPECT_FALSE(SaveExists());

    EXPECT_EXIT(
        {
            Player player;
            player.Then([] { return VelTitle.IsLoaded() && VelTitle->isVisible(); },
                        [] { driver::Click(VelTitle->Label2); });
            player.Then([] { return VelStart.IsLoaded() && VelStart->isVisible(); },
                        [] { driver::Click(&VelStart->Label1(2)); });
            player.Then([] { return VelDatarm.IsLoaded() && VelDatarm->isVisible(); },
                        [] {
                            driver::DoubleClick(&VelDatarm->Image2(1),
                                                Qt::ShiftModifier | Qt::ControlModifier);
                        });
            ui::AtEndProgram(
                [] { std::fprintf(stderr, "replayed %d\n", GameState.endingHeroine); });
            Main();
            RunGame();
        },
        testing::ExitedWithCode(0), "replayed 2");
    EXPECT_EQ(GetSetting("CString"), afterWin);
}

}  // namespace

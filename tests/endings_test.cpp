#include <gtest/gtest.h>
#include <QFile>
#include <QMessageBox>

#include "conversation/VelSerif.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/clock.h"
#include "endings/VelEnding.h"
#include "endings/closing.h"
#include "frontend/VelStart.h"
#include "media/KV_Midi.h"
#include "records/VelDatarm.h"
#include "records/clearrecord.h"
#include "records/savefile.h"
#include "records/settings.h"
#include "story/story.h"
#include "story/text.h"
#include "tests/support/driver.h"
#include "tests/support/player.h"
#include "tests/support/sandbox.h"
#include "ui/Timer.h"
#include "ui/runtime.h"

namespace {

using story::Q;

class Endings : public testing::Test {
  protected:
    void SetUp() override { BeginTestGame(); }
    void TearDown() override { EndTestGame(); }

    static void Meet(int heroine, int affection) {
        GameState.metStage[static_cast<size_t>(heroine)] = 1;
        GameState.affection[static_cast<size_t>(heroine)] = static_cast<int16_t>(affection);
    }

    // A game idle in the schoolyard at 4:59 PM; the next tick is five o'clock. Runs in a child
    // process, which the game ends; on the way out it tells what it saw.
    static void PlayToTheEnd(Player& player) {
        QString caption, music;
        player.Then(
            [] {
                return GameState.phase == Phase::ClosingTime && VelMain.IsLoaded() &&
                       !VelMain->Label2->Caption().isEmpty();
            },
            [&] {
                caption = VelMain->Caption();
                music = GameState.musicFile;
            });
        ui::AtEndProgram([&] {
            std::fprintf(stderr, "ending=%d lines=%lld caption=%s music=%s\n",
                         GameState.endingHeroine,
                         static_cast<long long>(player.clickedThrough.size()),
                         caption.toUtf8().constData(), music.toUtf8().constData());
        });
        driver::RunUntil([] { return false; }, 60000);
        std::abort();  // the game should have ended the program
    }

    static void StartAtFourFiftyNine() {
        GameState.currentLocation = 3;
        GameState.elapsedMinutes = 29;
        GameState.phase = Phase::Idle;
        VelMain->Show();
        VelMain->Timer1->SetInterval(60000);
        VelMain->Timer1->SetEnabled(true);
    }

    static long long LinesOfEnding(int heroine, bool mutual) {
        // The gate, the voice from behind, the call, the confession, the common line, the epilogue.
        return 3 + static_cast<long long>(story::Confession(heroine, mutual).size()) + 1 +
               static_cast<long long>(story::Epilogue(heroine).size());
    }
};

TEST_F(Endings, TheMetHeroineWithTheHighestAffectionConfesses) {
    EXPECT_EQ(ChooseEndingHeroine(), 7);  // nobody met
    Meet(3, 5);
    EXPECT_EQ(ChooseEndingHeroine(), 3);
    Meet(3, 4);
    EXPECT_EQ(ChooseEndingHeroine(), 8);
    Meet(3, 3);
    EXPECT_EQ(ChooseEndingHeroine(), 8);
    Meet(3, 2);
    EXPECT_EQ(ChooseEndingHeroine(), 7);
    GameState.affection[1] = 9;  // never met: does not count
    EXPECT_EQ(ChooseEndingHeroine(), 7);
    Meet(5, 5);
    EXPECT_EQ(ChooseEndingHeroine(), 5);
    Meet(2, 6);
    Meet(4, 6);
    EXPECT_EQ(ChooseEndingHeroine(), 2);  // a tie goes to the lower number
    GameState = GameRecord{};
    Meet(1, 0);
    Meet(6, -4);
    EXPECT_EQ(ChooseEndingHeroine(), 7);  // nobody above zero
}

TEST_F(Endings, TheStaffRollShowsItsScreensAndClosesItself) {
    ui::testing::SetTimeScale(0.02);  // a step every 70 ms
    GameState.endingHeroine = 5;
    GameState.musicFile = "M392C.mid";
    QFile::remove("C340C.VEL");
    VelMain->Show();
    struct Screen {
        QString role, credits;
        qint64 picture;
    };
    QMap<int, Screen> screens;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (VelEnding.IsLoaded())
            screens[VelEnding->RollStep()] = {VelEnding->Label1->Caption(),
                                              VelEnding->Label2->Caption(),
                                              VelEnding->Image1->Picture().cacheKey()};
    });
    watch.start(2);
    VelEnding->ShowModal();
    watch.stop();

    auto picture = [&](int step) { return screens[step].picture; };
    EXPECT_FALSE(VelMain.IsLoaded());  // the roll closed the campus
    EXPECT_FALSE(VelEnding.IsLoaded());
    EXPECT_EQ(screens[0].credits, "'Velmora 3rd STORY' staff");
    EXPECT_EQ(screens[1].role, "CG(人物)");
    EXPECT_EQ(screens[1].credits, Q(story::Credit(1)));
    EXPECT_EQ(screens[2].credits, screens[1].credits);
    EXPECT_EQ(picture(2), picture(1));
    EXPECT_EQ(screens[5].credits,
              Q(story::Credit(1)) + "\r\n" + Q(story::Credit(2)) + "\r\n" + Q(story::Credit(3)));
    EXPECT_EQ(picture(7), picture(5));  // C340C.VEL is missing: the picture stays
    EXPECT_EQ(screens[7].role, "プログラミング");
    EXPECT_TRUE(screens[13].role.isEmpty() && screens[13].credits.isEmpty());
    EXPECT_EQ(screens[14].credits, "Korvane -internet-");
    EXPECT_EQ(screens[17].credits, "Korvane");
    EXPECT_EQ(screens[20].credits, "また　遊んでね。");
    EXPECT_TRUE(screens[20].role.isEmpty());
    EXPECT_EQ(screens[22].credits, screens[20].credits);
    EXPECT_EQ(GameState.musicFile, "M392C.mid");  // the roll's music is its own
    EXPECT_FALSE(IsMidiPlaying());
}

TEST_F(Endings, AMutualLoveEndingPlaysToTheRollAndIsRecorded) {
    ShareSandboxWithChildren share;
    QFile old(kSaveFile);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an interrupted game");
    old.close();
    SaveSetting(kClearRecordKey, "亮1");
    const std::string expected = "ending=3 lines=" + std::to_string(LinesOfEnding(3, true)) +
                                 " caption=-Velmora 3rd STORY- music=M392C.mid";
    EXPECT_EXIT(
        {
            Meet(3, 6);
            Meet(2, 6);  // a tie with a lower number would win: make it lose
            GameState.affection[2] = 5;
            GameState.targetHeroine = 3;
            Player player;
            StartAtFourFiftyNine();
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0), expected);
    EXPECT_EQ(GetSetting(kClearRecordKey), "亮1恵2");
    EXPECT_FALSE(SaveExists());
}

TEST_F(Endings, AnotherGirlsConfessionIsRecordedAsAConfession) {
    ShareSandboxWithChildren share;
    SaveSetting(kClearRecordKey, "昌2");
    EXPECT_EXIT(
        {
            Meet(5, 7);
            Meet(3, 2);
            GameState.targetHeroine = 3;
            Player player;
            StartAtFourFiftyNine();
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0), "ending=5 lines=" + std::to_string(LinesOfEnding(5, false)));
    EXPECT_EQ(GetSetting(kClearRecordKey), "昌3");
}

TEST_F(Endings, TheFanClubLeaderCallsHerSenpai) {
    ShareSandboxWithChildren share;
    EXPECT_EXIT(
        {
            GameState.targetHeroine = 1;
            Player player;
            player.Then(
                [] { return VelMain.IsLoaded() && VelMain->Label2->Caption() == "女の子の声"; },
                [] {
                    std::fprintf(stderr, "call=%s\n",
                                 VelMain->Label1->Caption().toUtf8().constData());
                });
            StartAtFourFiftyNine();
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0), "call=山田先輩…");
    EXPECT_EQ(GetSetting(kClearRecordKey), "和1");
}

// Eight heroines won, the data room opened from the menu, a replay asked for.
class Replay : public Endings {
  protected:
    static void OpenDataRoomAndReplay(int row, Qt::KeyboardModifiers modifiers, Player& player) {
        VelStart->Show();
        player.Now([] { VelDatarm->ShowModal(); });
        player.Then([] { return VelDatarm.IsLoaded() && VelDatarm->isVisible(); },
                    [row, modifiers] { driver::DoubleClick(&VelDatarm->Image2(row), modifiers); });
    }
    const QString kAllEight = QStringLiteral("敬1恭1恵1雅2昌1亮1和1敏1");
};

TEST_F(Replay, AReplayPlaysHerEndingAndRecordsNothing) {
    ShareSandboxWithChildren share;
    SaveSetting(kClearRecordKey, kAllEight);
    SaveSetting(kSavedFamilyNameKey, "佐藤");
    EXPECT_EXIT(
        {
            Player player;
            OpenDataRoomAndReplay(3, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier,
                                  player);
            player.Then([] { return GameState.phase == Phase::ClosingTime && VelMain.IsLoaded(); },
                        [] {
                            std::fprintf(stderr, "menu=%d name=%s\n", VelStart.IsLoaded(),
                                         GameState.familyName.toUtf8().constData());
                        });
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0),
        "menu=0 name=佐藤(.|\n)*ending=4 lines=" + std::to_string(LinesOfEnding(4, true)));
    EXPECT_EQ(GetSetting(kClearRecordKey), kAllEight);
}

TEST_F(Replay, ADoubleClickOnTheCreditsEndsAReplayAtOnce) {
    ShareSandboxWithChildren share;
    SaveSetting(kClearRecordKey, kAllEight);
    EXPECT_EXIT(
        {
            Player player;
            OpenDataRoomAndReplay(7, Qt::ShiftModifier | Qt::ControlModifier, player);
            player.Then([] { return VelEnding.IsLoaded() && VelEnding->RollStep() >= 2; },
                        [] {
                            std::fprintf(stderr, "skipped at %d\n", VelEnding->RollStep());
                            driver::DoubleClick(VelEnding->Label2);
                        });
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0), "skipped at [2-5]\n");
    EXPECT_EQ(GetSetting(kClearRecordKey), kAllEight);
}

TEST_F(Replay, ADoubleClickInAnOrdinaryEndingChangesNothing) {
    GameState.endingHeroine = 2;
    GameState.affection[2] = 9;
    VelMain->Show();
    bool clicked = false;
    driver::After(50, [&] {
        driver::DoubleClick(VelEnding->Label2);
        clicked = VelEnding.IsLoaded();
    });
    VelEnding->ShowModal();
    EXPECT_TRUE(clicked);  // still rolling after the double click
}

TEST_F(Endings, TheDataRoomListsWinsAndClearsThem) {
    SaveSetting(kClearRecordKey, "恵1敬2");
    SaveSetting(kSavedFamilyNameKey, "山田");
    auto& room = VelDatarm.Get();
    auto same = [](const ui::Image& image, const char* file) {
        return image.Picture().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
               QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    EXPECT_EQ(room.Label3(0).Caption(), Q(story::HeroineName(3)));
    EXPECT_TRUE(same(room.Image2(0), "Heroine3.png"));
    EXPECT_TRUE(same(room.Image2(10), "MarkConfession.png"));
    EXPECT_EQ(room.Label3(1).Caption(), Q(story::HeroineName(1)));
    EXPECT_TRUE(same(room.Image2(11), "MarkMutual.png"));
    EXPECT_TRUE(room.Label3(2).Caption().isEmpty());
    EXPECT_TRUE(room.Image2(12).Picture().isNull());
    EXPECT_FALSE(room.Command3->isEnabled());
    EXPECT_EQ(room.Label5->Caption().count("\r\n"), 3);
    VelDatarm.Unload();

    SaveSetting(kClearRecordKey, "敬1恭1恵1雅2昌1亮1和1");
    EXPECT_FALSE(VelDatarm->Command3->isEnabled());
    VelDatarm.Unload();
    SaveSetting(kClearRecordKey, "敬1恭1恵1雅2昌1亮1和1敏3");
    EXPECT_TRUE(VelDatarm->Command3->isEnabled());
    EXPECT_TRUE(same(VelDatarm->Image2(17), "MarkMutual.png"));
    auto& announced = driver::AnswerNextMessageBox(QMessageBox::Ok);
    driver::Click(VelDatarm->Command3);
    EXPECT_EQ(announced.title, Q(story::DataRoomAnnouncementTitle()));

    // Without Shift and Ctrl a double click replays nothing.
    driver::DoubleClick(&VelDatarm->Image2(0));
    EXPECT_TRUE(VelDatarm.IsLoaded());
    EXPECT_NE(GameState.phase, Phase::ClosingTime);

    auto& no = driver::AnswerNextMessageBox(QMessageBox::No);
    driver::Click(VelDatarm->Command2);
    EXPECT_EQ(no.title, "Data Clear!!!");
    EXPECT_FALSE(GetSetting(kClearRecordKey).isEmpty());
    driver::AnswerNextMessageBox(QMessageBox::Yes);
    driver::Click(VelDatarm->Command2);
    for (const QString& key : {kClearRecordKey, kSavedFamilyNameKey})
        EXPECT_TRUE(GetSetting(key).isEmpty());
    EXPECT_EQ(VelDatarm->Label3(0).Caption(), Q(story::HeroineName(1)));  // the list stays
}

TEST_F(Endings, TheQuitPromptRefusesBeforeThePickAndAtClosingTime) {
    VelMain->Show();
    for (auto [phase, target] :
         {std::pair{Phase::BeforePlay, 0}, std::pair{Phase::ClosingTime, 2}}) {
        GameState.phase = phase;
        GameState.targetHeroine = static_cast<int16_t>(target);
        auto& box = driver::AnswerNextMessageBox(QMessageBox::Ok);
        VelMain->close();
        EXPECT_EQ(box.text, "ここではゲームの中断はできません");
        EXPECT_EQ(box.title, "Velmora");
        EXPECT_TRUE(VelMain.IsLoaded() && VelMain->isVisible());
    }
    GameState.phase = Phase::Idle;
    auto& cancel = driver::AnswerNextMessageBox(QMessageBox::Cancel);
    VelMain->close();
    EXPECT_EQ(cancel.title, "Velmora 3rd STORY");
    EXPECT_EQ(
        cancel.text,
        "Velmora を終了します。\n次回、続きを遊ぶために、データをセーブしますか？\n（セーブしないと次回、続きができません）");
    EXPECT_TRUE(VelMain.IsLoaded());
    EXPECT_FALSE(SaveExists());
}

TEST_F(Endings, YesSavesAndEndsWhileNoLeavesAnOlderSaveAlone) {
    ShareSandboxWithChildren share;
    EXPECT_EXIT(
        {
            GameState.targetHeroine = 4;
            GameState.elapsedMinutes = 12;
            GameState.currentLocation = 5;
            GameState.phase = Phase::Idle;
            VelMain->Show();
            driver::AnswerNextMessageBox(QMessageBox::Yes);
            VelMain->close();
            std::abort();
        },
        testing::ExitedWithCode(0), "");
    GameState = GameRecord{};
    QString problem;
    ASSERT_TRUE(ReadSave(problem));
    EXPECT_EQ(GameState.targetHeroine, 4);
    EXPECT_EQ(GameState.elapsedMinutes, 12);
    EXPECT_EQ(GameState.currentLocation, 5);
    EXPECT_EQ(GameState.familyName, "山田");

    QFile file(kSaveFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    EXPECT_EXIT(
        {
            GameState.targetHeroine = 1;
            GameState.phase = Phase::Idle;
            VelMain->Show();
            driver::AnswerNextMessageBox(QMessageBox::No);
            VelMain->close();
            std::abort();
        },
        testing::ExitedWithCode(0), "");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

}  // namespace

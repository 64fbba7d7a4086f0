#include <gtest/gtest.h>
#include <QFile>
#include <QMessageBox>

#include "core/GameState.h"
#include "core/VelMain.h"
#include "endings/VelEnding.h"
#include "endings/closing.h"
#include "frontend/VelStart.h"
#include "media/KV_Midi.h"
#include "media/audio.h"
#include "records/VelDatarm.h"
#include "records/savefile.h"
#include "records/settings.h"
#include "story/story.h"
#include "story/text.h"
#include "tests/support/player.h"
#include "ui/runtime.h"

namespace {

using story::Q;

const QString kAllEight = QStringLiteral("敬1恭1恵1雅2昌1亮1和1敏1");

class Endings : public testing::Test {
  protected:
    void SetUp() override { BeginTestGame(); }
    void TearDown() override { EndTestGame(); }

    static void Meet(int heroine, int affection) {
        GameState.metStage[static_cast<size_t>(heroine)] = 1;
        GameState.affection[static_cast<size_t>(heroine)] = static_cast<int16_t>(affection);
    }

    // Lets the game run to its end in this child process; on the way out it tells on stderr
    // which heroine confessed, every line clicked and the window caption at the gate.
    static void PlayToTheEnd(Player& player) {
        QString caption;
        player.Then(
            "the gate", [] { return GameState.phase == Phase::ClosingTime; },
            [&] { caption = VelMain->Caption(); }, Seconds(600));
        ui::AtEndProgram([&] {
            std::fprintf(stderr, "ending=%d caption=%s lines:\n%s\n", GameState.endingHeroine,
                         caption.toUtf8().constData(),
                         player.clickedThrough.join('\n').toUtf8().constData());
        });
        player.Run("the program ends", [] { return false; }, Seconds(600));
    }

    // Idle in the schoolyard at 4:59 PM: the next tick is five o'clock.
    static void StartAtFourFiftyNine() {
        GameState.currentLocation = 3;
        GameState.elapsedMinutes = 29;
        GameState.phase = Phase::Idle;
        VelMain->Show();
        VelMain->Timer1->SetInterval(60000);
        VelMain->Timer1->SetEnabled(true);
    }
};

TEST_F(Endings, TheMetHeroineWithTheHighestAffectionConfesses) {
    EXPECT_EQ(ChooseEndingHeroine(), 7);  // nobody met
    Meet(3, 5);
    EXPECT_EQ(ChooseEndingHeroine(), 3);
    Meet(3, 3);
    EXPECT_EQ(ChooseEndingHeroine(), 8);
    Meet(3, 2);
    EXPECT_EQ(ChooseEndingHeroine(), 7);
    GameState.affection[1] = 9;  // never met: does not count
    EXPECT_EQ(ChooseEndingHeroine(), 7);
    Meet(2, 6);
    Meet(4, 6);
    EXPECT_EQ(ChooseEndingHeroine(), 2);  // a tie goes to the lower number
}

TEST_F(Endings, AMutualLoveEndingPlaysToTheRollAndIsRecorded) {
    QFile old(kSaveFile);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an interrupted game");
    old.close();
    SaveSetting(kClearRecordKey, "亮1");
    QStringList expected{Q(story::GateClosedNarration()), Q(story::CalledFromBehindNarration()),
                         "山田君…"};
    for (const auto& line : story::Confession(3, true))
        expected.append(Q(line.text).replace(Q(story::kFamilyName), "山田"));
    expected.append(Q(story::EpilogueCommonLine()));
    EXPECT_EXIT(
        {
            Meet(3, 6);
            Meet(2, 5);
            GameState.targetHeroine = 3;
            Player player;
            StartAtFourFiftyNine();
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0),
        "ending=3 caption=-Velmora 3rd STORY- lines:\n" + expected.join('\n').toStdString());
    EXPECT_EQ(GetSetting(kClearRecordKey), "亮1恵2");
    EXPECT_FALSE(SaveExists());
}

TEST_F(Endings, TheFanClubLeaderCallsHerSenpaiAndTheGirlFromAnotherSchoolUsesHisGivenName) {
    EXPECT_EXIT(
        {
            Player player;
            StartAtFourFiftyNine();
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0), "ending=7(.|\n)*\n山田先輩…\n");
    EXPECT_EQ(GetSetting(kClearRecordKey), "和1");

    QString epilogue;
    for (const auto& line : story::Epilogue(8))
        if (Q(line.text).contains(Q(story::kGivenName)))
            epilogue = Q(line.text).replace(Q(story::kGivenName), "太郎");
    ASSERT_FALSE(epilogue.isEmpty()) << "her epilogue calls him by his given name";
    EXPECT_EXIT(
        {
            Meet(5, 3);
            Player player;
            StartAtFourFiftyNine();
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0), "ending=8(.|\n)*\n" + epilogue.toStdString());
    EXPECT_EQ(GetSetting(kClearRecordKey), "和1敏1");
}

TEST_F(Endings, TheStaffRollShowsItsScreensPlaysItsMusicOnceAndClosesItself) {
    GameState.endingHeroine = 5;
    GameState.musicFile = "M392C.mid";
    QFile::remove("C340C.VEL");
    VelMain->Show();
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
            if (!VelEnding.IsLoaded()) return true;
            screens[VelEnding->RollStep()] = {VelEnding->Label1->Caption(),
                                              VelEnding->Label2->Caption(),
                                              VelEnding->Image1->Picture().cacheKey(),
                                              media::SequencePositionMs()};
            return false;
        },
        [] {}, Seconds(90));
    VelEnding->ShowModal();

    EXPECT_FALSE(VelMain.IsLoaded());  // the roll closed the campus
    EXPECT_EQ(screens[0].credits, "'Velmora 3rd STORY' staff");
    EXPECT_EQ(screens[1].role, "CG(人物)");
    EXPECT_EQ(screens[1].credits, Q(story::Credit(1)));
    EXPECT_EQ(screens[5].credits,
              Q(story::Credit(1)) + "\r\n" + Q(story::Credit(2)) + "\r\n" + Q(story::Credit(3)));
    EXPECT_EQ(screens[7].picture, screens[5].picture);  // C340C.VEL is missing: the picture stays
    EXPECT_EQ(screens[7].role, "プログラミング");
    EXPECT_EQ(screens[20].credits, "また　遊んでね。");
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
        VelStart->Show();
        player.Now([] { VelDatarm->ShowModal(); })
            .Then("the data room", [] { return VelDatarm.IsLoaded() && VelDatarm->isVisible(); },
                  [=] { driver::DoubleClick(&VelDatarm->Image2(row), modifiers); });
    };
    EXPECT_EXIT(
        {
            Player player;
            replay(3, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, player);
            player.Then("closing time", [] { return GameState.phase == Phase::ClosingTime; },
                        [] {
                            std::fprintf(stderr, "menu=%d\n", VelStart.IsLoaded());
                        });
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0), "menu=0\nending=4(.|\n)*佐藤");
    EXPECT_EXIT(
        {
            Player player;
            replay(7, Qt::ShiftModifier | Qt::ControlModifier, player);
            player.Then("the roll", [] { return VelEnding.IsLoaded() && VelEnding->RollStep() >= 2; },
                        [] {
                            std::fprintf(stderr, "skipped at %d\n", VelEnding->RollStep());
                            driver::DoubleClick(VelEnding->Label2);
                        });
            PlayToTheEnd(player);
        },
        testing::ExitedWithCode(0), "skipped at 2\nending=8");
    EXPECT_EQ(GetSetting(kClearRecordKey), kAllEight);

    // In an ordinary ending a double click changes nothing.
    GameState.endingHeroine = 2;
    VelMain->Show();
    Player player;
    player.Then("the roll", [] { return VelEnding.IsLoaded(); },
                [] { driver::DoubleClick(VelEnding->Label2); })
        .Then("still rolling", [] { return VelEnding->RollStep() == 3; },
              [] { VelEnding.Unload(); }, Seconds(11));
    VelEnding->ShowModal();
}

TEST_F(Endings, TheDataRoomListsWinsAndClearsThem) {
    SaveSetting(kClearRecordKey, "恵1敬2");
    SaveSetting(kSavedFamilyNameKey, "山田");
    auto same = [](const ui::Image& image, const char* file) {
        return image.Picture().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
               QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    auto& room = VelDatarm.Get();
    EXPECT_EQ(room.Label3(0).Caption(), Q(story::HeroineName(3)));
    EXPECT_TRUE(same(room.Image2(0), "Heroine3.png"));
    EXPECT_TRUE(same(room.Image2(10), "MarkConfession.png"));
    EXPECT_EQ(room.Label3(1).Caption(), Q(story::HeroineName(1)));
    EXPECT_TRUE(same(room.Image2(11), "MarkMutual.png"));
    EXPECT_TRUE(room.Label3(2).Caption().isEmpty());
    EXPECT_FALSE(room.Command3->isEnabled());
    VelDatarm.Unload();

    SaveSetting(kClearRecordKey, "敬1恭1恵1雅2昌1亮1和1");
    EXPECT_FALSE(VelDatarm->Command3->isEnabled());  // seven rows are not all eight
    VelDatarm.Unload();
    SaveSetting(kClearRecordKey, "敬1恭1恵1雅2昌1亮1和1敏3");
    Player player;
    player.Answer(QMessageBox::Ok).Answer(QMessageBox::No).Answer(QMessageBox::Yes);
    driver::Click(VelDatarm->Command3);
    EXPECT_EQ(player.boxes.value(0).title, Q(story::DataRoomAnnouncementTitle()));
    driver::DoubleClick(&VelDatarm->Image2(0));  // without Shift and Ctrl: no replay
    EXPECT_NE(GameState.phase, Phase::ClosingTime);
    driver::Click(VelDatarm->Command2);
    EXPECT_EQ(player.boxes.value(1).title, "Data Clear!!!");
    EXPECT_FALSE(GetSetting(kClearRecordKey).isEmpty());
    driver::Click(VelDatarm->Command2);
    for (const QString& key : {kClearRecordKey, kSavedFamilyNameKey})
        EXPECT_TRUE(GetSetting(key).isEmpty());
}

TEST_F(Endings, TheQuitPromptRefusesBeforeThePickAndAtClosingTimeAndOffersASaveElsewhere) {
    VelMain->Show();
    Player player;
    for (auto [phase, target] : {std::pair{Phase::BeforePlay, 0}, std::pair{Phase::ClosingTime, 2}}) {
        GameState.phase = phase;
        GameState.targetHeroine = static_cast<int16_t>(target);
        player.Answer(QMessageBox::Ok);
        VelMain->close();
        EXPECT_EQ(player.boxes.last().text, "ここではゲームの中断はできません");
        EXPECT_TRUE(VelMain.IsLoaded() && VelMain->isVisible());
    }
    GameState.phase = Phase::Idle;
    player.Answer(QMessageBox::Cancel);
    VelMain->close();
    EXPECT_EQ(player.boxes.last().title, "Velmora 3rd STORY");
    EXPECT_EQ(
        player.boxes.last().text,
        "Velmora を終了します。\n次回、続きを遊ぶために、データをセーブしますか？\n（セーブしないと次回、続きができません）");
    EXPECT_TRUE(VelMain.IsLoaded());
    EXPECT_FALSE(SaveExists());
}

TEST_F(Endings, YesSavesAndEndsWhileNoLeavesAnOlderSaveAlone) {
    auto closeAnswering = [](int button, int target) {
        GameState.targetHeroine = static_cast<int16_t>(target);
        GameState.elapsedMinutes = 12;
        GameState.currentLocation = 5;
        GameState.phase = Phase::Idle;
        VelMain->Show();
        Player player;
        player.Answer(button);
        VelMain->close();
        std::abort();  // not reached: the answer ends the program
    };
    EXPECT_EXIT(closeAnswering(QMessageBox::Yes, 4), testing::ExitedWithCode(0), "");
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
    EXPECT_EXIT(closeAnswering(QMessageBox::No, 1), testing::ExitedWithCode(0), "");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

}  // namespace

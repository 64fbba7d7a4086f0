#include <gtest/gtest.h>

#include "conversation/VelSerif.h"
#include "conversation/presenter.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/session.h"
#include "frontend/VelAlbum.h"
#include "story/story.h"
#include "story/text.h"
#include "tests/support/player.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

using story::Q;

const QString kNobodyHere = QStringLiteral(
    "着いたけど、誰もいないようだ。誰か来るまで待っていようかな。それとも、他の場所に行こうか。");
const QString kIgnored =
    QStringLiteral("しゃべらずに無視をしていたら、彼女は行ってしまった。悪いことをしたな。");
const QString kLeft = QStringLiteral("彼女は用事を思い出したらしく、どこかへ行ってしまった。");

// A game on the real screens, played in game time; every campus heroine starts at affection 2.
class Campus : public testing::Test {
  protected:
    void SetUp() override {
        BeginTestGame();
        for (int h = 1; h <= kCampusHeroines; ++h) GameState.affection[static_cast<size_t>(h)] = 2;
    }
    void TearDown() override { EndTestGame(); }

    // Puts the player at a place and minute, as a resumed game does.
    static void ResumeAt(int location, int minute, int target) {
        GameState.currentLocation = static_cast<int16_t>(location);
        GameState.elapsedMinutes = static_cast<int16_t>(minute);
        GameState.targetHeroine = static_cast<int16_t>(target);
        StartSession(true);
    }
    static void Walk(int button) { driver::Click(&VelMain->Command1(button)); }
    static bool IdleAt(int location) {
        return GameState.phase == Phase::Idle && GameState.currentLocation == location;
    }
    static bool Asked() { return GameState.phase == Phase::AwaitingReply && VelSerif.IsLoaded(); }
    static QList<int> EnabledButtons() {
        QList<int> on;
        for (int i = 0; i < kLocationCount; ++i)
            if (VelMain->Command1(i).isEnabled()) on.append(i);
        return on;
    }

    Player player{7};
};

TEST_F(Campus, ANewGameNarratesPicksInTheAlbumAndStartsIdleAtFourThirtyOne) {
    QStringList hints;
    player.Now([] { StartSession(false); })
        .Then(
            "the album opens", [] { return VelAlbum.IsLoaded() && VelAlbum->isVisible(); },
            [&] {
                EXPECT_EQ(VelMain->lblClock->Caption(), "4:30 PM");  // no clock in the opening
                auto& album = *VelAlbum;
                driver::MoveMouse(&album.Image1(2));
                hints.append(album.Label1->Caption());
                driver::MoveMouse(&album.Image1(2), QPoint(5, 5));
                hints.append(album.Label1->Caption());
                driver::MoveMouse(&album.Image1(2), QPoint(9, 9));  // the same photo: no change
                EXPECT_EQ(album.Label1->Caption(), hints.last());
                driver::MoveMouse(&album.Image1(3));
                hints.append(album.Label1->Caption());
                driver::Click(&album.Image1(6));  // a friend's photo picks nobody
                driver::Click(&album.Image1(2));  // waits in here for the confirming click
            },
            Seconds(30))
        .Then(
            "the album asks to confirm",
            [] { return VelAlbum->Label1->Caption() == Q(story::AlbumConfirmation()); },
            [] {
                driver::Click(&VelAlbum->Image1(7));  // a friend does not confirm
                driver::Click(&VelAlbum->Image1(4));  // another heroine's photo does
            })
        .Run("the clock starts", [] { return GameState.phase == Phase::Idle; }, Seconds(5));

    QStringList opening;
    for (auto line : story::OpeningNarration()) opening.append(Q(line));
    EXPECT_EQ(player.clickedThrough.mid(0, 7), opening);  // one click per line
    // The first movement anywhere brings his first thought; then each photo its own line.
    EXPECT_EQ(hints, (QStringList{"俺がちょっと気になっていたコは…", Q(story::AlbumHint(2)),
                                  Q(story::AlbumHint(3))}));
    EXPECT_EQ(GameState.targetHeroine, 3);  // the first photo clicked, not the one that confirmed
    EXPECT_EQ(GameState.affection[3], 0);
    EXPECT_EQ(GameState.affection[5], 2);
    EXPECT_FALSE(VelAlbum.IsLoaded());
    EXPECT_EQ(GameState.currentLocation, 3);
    EXPECT_EQ(VelMain->lblClock->Caption(), "4:31 PM");
    EXPECT_EQ(EnabledButtons(), (QList<int>{0, 6}));
    EXPECT_EQ(VelMain->Label1->Caption(),
              "さて、初めはどこに行こうかな。それとも、ここにじっとしていようか…");
    EXPECT_EQ(GameState.musicFile, "M394C.mid");
}

TEST_F(Campus, AWalkRingsTwoMinutesBeforeArrivalAndMeetsTheHeroineThere) {
    int steps = 0;
    bool leftFoot = false;
    player.Now([] {
              ResumeAt(3, 1, 2);
              Walk(0);  // three minutes to the rooftop
              EXPECT_EQ(VelMain->Label1->Caption(),
                        "校舎Ａに向かって歩きだした。あそこまでは3分くらいかかる。");
              EXPECT_EQ(VelMain->Caption(), "【移動中】 -Velmora 3rd STORY-");
              EXPECT_TRUE(EnabledButtons().isEmpty());
          })
        .Then(
            "the walking figure steps",
            [&] {
                if (VelMain->Image2(0).isVisible() == leftFoot) return false;
                ++steps;
                leftFoot = VelMain->Image2(0).isVisible();
                EXPECT_NE(leftFoot, VelMain->Image2(1).isVisible());
                return steps >= 3;
            },
            [] {}, Seconds(2))
        .Then(
            "the phone shows the hint mail", [] { return !VelMain->KeitaiGamen->Caption().isEmpty(); },
            [] {
                EXPECT_EQ(GameState.elapsedMinutes, 2);
                EXPECT_TRUE(VelMain->KeitaiGamen->isVisible());
                EXPECT_EQ(VelMain->KeitaiGamen->Caption(), Q(story::HintMail(2)));
            },
            ByMinute(2))
        .Run("she greets him", Asked, ByMinute(4));
    EXPECT_EQ(GameState.elapsedMinutes, 4);
    EXPECT_EQ(GameState.mailCount, 1);
    EXPECT_EQ(VelMain->Caption(), "【校舎Ａ：屋上】 -Velmora 3rd STORY-");
    EXPECT_EQ(GameState.pendingConversation, "12A");
    EXPECT_EQ(VelMain->Label2->Caption(), Q(story::HeroineName(2)));
    EXPECT_EQ(VelMain->Label1->Caption(), Q(story::GreetingAt(1, 2).onArrival));
    EXPECT_EQ(GameState.sceneMusic, "M320C.mid");
    EXPECT_EQ(GameState.metStage[2], 1);
    // Within the few pixels the offscreen platform shifts a placed window by its frame.
    EXPECT_NEAR(VelSerif->Top(), GameState.dialogTop, 45);
    EXPECT_FALSE(VelMain->KeitaiGamen->isVisible());
    player.Wait(1);
    EXPECT_FALSE(VelMain->Image2(0).isVisible() || VelMain->Image2(1).isVisible());
}

TEST_F(Campus, AnswersMoveAffectionSilenceHurtsAndEachHeroineGreetsOncePerGame) {
    conversation::Reply expected;
    int before = 0;
    player.Now([] { ResumeAt(6, 5, 1); })
        .Then("heroine 6 comes to the court", Asked,
              [&] {
                  EXPECT_EQ(GameState.pendingConversation, "66B");
                  EXPECT_EQ(GameState.elapsedMinutes, 6);
                  conversation::DataProblem problem;
                  expected = *conversation::ReadReply("66B", GameState.offeredCodes[3], problem);
                  EXPECT_EQ(VelSerif->Command1(2).text(),
                            conversation::WithFamilyName(
                                *conversation::ReadPlayerLine(GameState.offeredCodes[3], problem),
                                "山田"));
                  before = GameState.affection[6];
                  driver::Click(&VelSerif->Command1(2));
                  EXPECT_EQ(GameState.affection[6], before + expected.change);
                  EXPECT_EQ(VelMain->Label1->Caption(),
                            conversation::WithFamilyName(expected.text, "山田"));
                  EXPECT_EQ(VelMain->Label2->Caption(), Q(story::HeroineName(6)));
                  EXPECT_FALSE(VelSerif.IsLoaded());
                  EXPECT_EQ(EnabledButtons(), QList<int>{3});
              },
              ByMinute(6))
        .Then(
            "she leaves at the mark", [] { return GameState.pendingConversation.isEmpty(); },
            [] {
                EXPECT_EQ(GameState.elapsedMinutes, 10);
                EXPECT_EQ(VelMain->Label1->Caption(), kLeft);
            },
            ByMinute(10))
        // At 4:41 the court's heroine is 6 again: met already, so nobody is there for him.
        .Then(
            "the empty court", [] { return GameState.elapsedMinutes == 11; },
            [] {
                EXPECT_EQ(VelMain->Label1->Caption(), kNobodyHere);
                Walk(3);  // to the gymnasium, where heroine 3 stands until 4:43
            },
            ByMinute(11))
        .Then(
            "heroine 3 in the gymnasium", Asked,
            [] { EXPECT_EQ(GameState.pendingConversation, "43A"); }, ByMinute(12))
        .Run("she leaves him unanswered", [] { return GameState.phase == Phase::Idle; },
             ByMinute(15));
    EXPECT_EQ(GameState.elapsedMinutes, 15);
    EXPECT_EQ(VelMain->Label1->Caption(), kIgnored);
    EXPECT_EQ(GameState.affection[3], 2 - 3);
    EXPECT_EQ(GameState.affection[6], before + expected.change);  // leaving costs nothing
    EXPECT_FALSE(VelSerif.IsLoaded());
    EXPECT_TRUE(GameState.pendingConversation.isEmpty());
}

TEST_F(Campus, HeroinesKeepTheTimetableOfTheSchoolyardAndTheGymnasium) {
    player.Now([] {
              GameState.metStage = {0, 1, 1, 0, 0, 1, 1};  // only heroines 3 and 4 left to meet
              ResumeAt(3, 14, 3);
          })
        .Then("heroine 3 comes to the waiting player at 4:46", Asked,
              [] {
                  EXPECT_EQ(GameState.elapsedMinutes, 16);
                  EXPECT_EQ(GameState.pendingConversation, "33B");
                  driver::Click(&VelSerif->Command1(0));
                  Walk(0);  // via the rooftop to the gymnasium: 3 + 2 minutes
              },
              ByMinute(16))
        .Then("the rooftop is empty", [] { return IdleAt(1); },
              [] {
                  EXPECT_EQ(VelMain->Label1->Caption(), kNobodyHere);
                  Walk(3);
              },
              ByMinute(19))
        .Run("nobody in the gymnasium after 4:48", [] { return IdleAt(4); }, ByMinute(21));
    EXPECT_EQ(GameState.elapsedMinutes, 21);
    // Heroine 4's window there ended at 4:48; at 4:51 heroine 3 would be at the pool.
    EXPECT_EQ(VelMain->Label1->Caption(), kNobodyHere);
    EXPECT_EQ(GameState.metStage[4], 0);
}

TEST_F(Campus, MailsComeInTheirOrderOnLongWalksOnlyAndALateWalkIsWarned) {
    QStringList mails;
    auto recordMail = [&] {
        const QString text = VelMain->KeitaiGamen->Caption();
        if (!text.isEmpty() && !mails.contains(text)) mails.append(text);
        return false;
    };
    player.Now([] {
              GameState.metStage.fill(1);
              ResumeAt(3, 1, 4);
              Walk(6);  // a one-minute walk to the garden never rings
          })
        .Then("at the garden", [] { return IdleAt(7); }, [] { Walk(2); })
        .Then("back in the schoolyard", [] { return IdleAt(3); }, [] { Walk(0); })
        .Then("on the roof", [&] { return recordMail() || IdleAt(1); }, [] { Walk(2); })
        .Then("back", [&] { return recordMail() || IdleAt(3); }, [] { Walk(0); })
        .Then("on the roof again", [&] { return recordMail() || IdleAt(1); }, [] { Walk(2); })
        .Then("and back", [&] { return recordMail() || IdleAt(3); },
              [] {
                  EXPECT_EQ(GameState.elapsedMinutes, 15);
                  GameState.elapsedMinutes = 25;
                  Walk(0);  // arriving at 4:58 may miss the gate
                  EXPECT_EQ(VelMain->Label1->Caption(),
                            "校舎Ａに向かって歩きだしたけど、はたして閉門時刻に間に合うだろうか。");
              })
        .Run(Seconds(1));
    EXPECT_EQ(mails, (QStringList{Q(story::HintMail(4)), Q(story::FestivalMail()),
                                  Q(story::DateMailBeforeName()) + "山田" +
                                      Q(story::DateMailAfterName())}));
    EXPECT_EQ(GameState.mailCount, 4);
}

TEST_F(Campus, AMailOpenAtFiveHoldsClosingTimeBack) {
    player.autoClick = false;
    player.Now([] {
              GameState.metStage.fill(1);
              ResumeAt(3, 25, 1);
              Walk(0);  // arriving at 4:58, the phone ringing at 4:56
          })
        .Then(
            "five o'clock passes with the mail open", [] { return GameState.elapsedMinutes >= 31; },
            [this] {
                EXPECT_EQ(VelMain->lblClock->Caption(), "5:00 PM");
                EXPECT_EQ(GameState.phase, Phase::PhoneMail);
                player.autoClick = true;
            },
            Seconds(400))
        .Run("the mail ends",
             [this] { return player.clickedThrough.contains(Q(story::FiveOClockLine())); },
             Seconds(10));
    // Closing time waits for the next minute; he never arrived.
    EXPECT_EQ(GameState.phase, Phase::Walking);
    EXPECT_TRUE(VelMain->Timer1->Enabled());
    EXPECT_EQ(GameState.currentLocation, 3);
}

TEST_F(Campus, ClicksBeforeAWaitDoNotCountAKeyReleasesItAndTheClockRunsMeanwhile) {
    player.autoClick = false;
    player.Now([] { ResumeAt(3, 1, 1); }).Run(Seconds(1));
    driver::Click(VelMain->Label1);  // made while no wait runs
    player.Then("the clock ran", [] { return GameState.elapsedMinutes == 4; },
                [] { driver::Click(VelMain->Image1); }, ByMinute(4));
    WaitForClick();
    EXPECT_EQ(VelMain->lblClock->Caption(), "4:34 PM");  // ticks ran nested in the wait
    EXPECT_TRUE(VelMain->Label3->Caption().isEmpty());
    player.Then("the prompt shows",
                [] { return VelMain->Label3->Caption() == QStringLiteral("クリックしてください"); },
                [] {
                    driver::Click(VelMain->Label2);  // the speaker name and the clock do nothing
                    driver::Click(VelMain->lblClock);
                    EXPECT_FALSE(GameState.clickFlag);
                    driver::TypeKey(VelMain.operator->(), Qt::Key_A);
                });
    WaitForClick();
    // The hidden shortcut: right button with Shift and Ctrl, and nothing else, moves the clock.
    const int minute = GameState.elapsedMinutes;
    for (auto modifiers : {Qt::ShiftModifier | Qt::ControlModifier, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, Qt::KeyboardModifiers(Qt::ShiftModifier)})
        driver::Press(VelMain->KaKushiDummy, Qt::RightButton, modifiers);
    driver::Press(VelMain->KaKushiDummy, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(GameState.elapsedMinutes, minute + 1);
}

TEST_F(Campus, AResumedGameGoesStraightBackToItsPlaceBelowWhichTheDialogStands) {
    player.Now([] { ResumeAt(6, 15, 3); }).Run(Seconds(1));
    EXPECT_EQ(VelMain->Label1->Caption(), "さて、どこに行こうかな。");
    EXPECT_EQ(GameState.sceneMusic, "M394C.mid");
    EXPECT_EQ(VelMain->lblClock->Caption(), "4:45 PM");
    EXPECT_EQ(EnabledButtons(), QList<int>{3});
    EXPECT_TRUE(player.clickedThrough.isEmpty());
    // Checked on a fresh load, before the offscreen platform shifts the shown window by its frame.
    VelMain.Unload();
    VelMain.Get();
    const int centredTop = ui::CenteredOffset(ui::ScreenHeight(), VelMain->Height());
    EXPECT_EQ(VelMain->Top(), centredTop - 1200);
    EXPECT_EQ(GameState.dialogTop, VelMain->Top() + VelMain->Height() + 50);
}

}  // namespace

#include <gtest/gtest.h>

#include "conversation/VelSerif.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/session.h"
#include "frontend/VelAlbum.h"
#include "media/KV_Midi.h"
#include "story/story.h"
#include "tests/support/driver.h"
#include "tests/support/player.h"
#include "ui/Timer.h"

namespace {

QString S(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kNobodyHere = QStringLiteral(
    "着いたけど、誰もいないようだ。誰か来るまで待っていようかな。それとも、他の場所に行こうか。");

// A game on the real screens with one game minute in 120 ms.
class CampusPlay : public testing::Test {
  protected:
    void SetUp() override {
        BeginTestGame();
        for (int h = 1; h <= kCampusHeroines; ++h) GameState.affection[static_cast<size_t>(h)] = 2;
        Randomize(7);
        savedSteps_ = ClockSteps();
    }
    void TearDown() override {
        ClockSteps() = savedSteps_;
        EndTestGame();
    }

    // Puts the player back at a place and minute, as a resumed game does.
    static void ResumeAt(int location, int minute, int target) {
        GameState.currentLocation = static_cast<int16_t>(location);
        GameState.elapsedMinutes = static_cast<int16_t>(minute);
        GameState.targetHeroine = static_cast<int16_t>(target);
        StartSession(true);
    }
    static void MeetNobody() { GameState.metStage.fill(1); }
    bool RunUntil(const std::function<bool()>& done, int timeoutMs = 8000) {
        return driver::RunUntil(done, timeoutMs);
    }
    static QList<int> EnabledButtons() {
        QList<int> on;
        for (int i = 0; i < kLocationCount; ++i)
            if (VelMain->Command1(i).isEnabled()) on.append(i);
        return on;
    }

    Player player;

  private:
    ClockTickSteps savedSteps_;
};

TEST_F(CampusPlay, ANewGameNarratesPicksInTheAlbumAndStartsIdleAtFourThirtyOne) {
    QStringList hints;
    player.Now([] { StartSession(false); });
    player.Then([] { return VelAlbum.IsLoaded() && VelAlbum->isVisible(); },
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
                    EXPECT_TRUE(VelAlbum.IsLoaded());
                    driver::Click(&album.Image1(2));  // waits in here for the confirming click
                });
    player.Then(
        [] {
            return VelAlbum.IsLoaded() &&
                   VelAlbum->Label1->Caption() == S(story::AlbumConfirmation());
        },
        [] {
            driver::Click(&VelAlbum->Image1(7));  // a friend does not confirm
            driver::Click(&VelAlbum->Image1(4));  // another heroine's photo does
        });
    ASSERT_TRUE(RunUntil([&] { return player.Done() && GameState.phase == Phase::Idle; }));

    QStringList opening;
    for (auto line : story::OpeningNarration()) opening.append(S(line));
    EXPECT_EQ(player.clickedThrough.mid(0, 7), opening);  // one click per line
    // The first movement anywhere brings his first thought; then each photo its own line.
    EXPECT_EQ(hints, (QStringList{"俺がちょっと気になっていたコは…", S(story::AlbumHint(2)),
                                  S(story::AlbumHint(3))}));
    EXPECT_EQ(GameState.targetHeroine, 3);  // the first photo clicked, not the one that confirmed
    EXPECT_EQ(GameState.affection[3], 0);
    EXPECT_EQ(GameState.affection[5], 2);
    EXPECT_FALSE(VelAlbum.IsLoaded());
    EXPECT_EQ(GameState.currentLocation, 3);
    EXPECT_EQ(GameState.elapsedMinutes, 1);
    EXPECT_EQ(VelMain->lblClock->Caption(), "4:31 PM");
    EXPECT_EQ(EnabledButtons(), (QList<int>{0, 6}));
    EXPECT_EQ(VelMain->Caption(), "Velmora 3rd STORY");
    EXPECT_EQ(VelMain->Label1->Caption(),
              "さて、初めはどこに行こうかな。それとも、ここにじっとしていようか…");
    EXPECT_EQ(GameState.musicFile, "M394C.mid");
    EXPECT_TRUE(VelMain->Timer1->Enabled());
}

TEST_F(CampusPlay, AWalkRingsThePhoneOnTheWayAndArrivesWhereAHeroineWaits) {
    QString walkText, walkCaption, mailOnPhone;
    QList<int> buttonsWhileWalking;
    int arrivedAt = -1;
    player.Now([&] {
        ResumeAt(3, 1, 2);
        driver::Click(&VelMain->Command1(0));
        walkText = VelMain->Label1->Caption();
        walkCaption = VelMain->Caption();
        buttonsWhileWalking = EnabledButtons();
    });
    player.Then(
        [] {
            return VelMain->KeitaiGamen->isVisible() && !VelMain->KeitaiGamen->Caption().isEmpty();
        },
        [&] { mailOnPhone = VelMain->KeitaiGamen->Caption(); });
    player.Then([] { return GameState.phase == Phase::AwaitingReply; },
                [&] { arrivedAt = GameState.elapsedMinutes; });
    ASSERT_TRUE(RunUntil([&] { return player.Done(); }));

    EXPECT_EQ(walkText, "校舎Ａに向かって歩きだした。あそこまでは3分くらいかかる。");
    EXPECT_EQ(walkCaption, "【移動中】 -Velmora 3rd STORY-");
    EXPECT_TRUE(buttonsWhileWalking.isEmpty());
    EXPECT_EQ(mailOnPhone, S(story::HintMail(2)));
    EXPECT_EQ(GameState.mailCount, 1);
    EXPECT_EQ(arrivedAt, 4);
    EXPECT_EQ(GameState.currentLocation, 1);
    EXPECT_EQ(VelMain->Caption(), "【校舎Ａ：屋上】 -Velmora 3rd STORY-");
    EXPECT_EQ(GameState.pendingConversation, "12A");
    EXPECT_EQ(VelMain->Label2->Caption(), S(story::HeroineName(2)));
    EXPECT_EQ(VelMain->Label1->Caption(), S(story::GreetingAt(1, 2).onArrival));
    EXPECT_EQ(GameState.sceneMusic, "M320C.mid");
    EXPECT_EQ(GameState.metStage[2], 1);
    ASSERT_TRUE(VelSerif.IsLoaded());
    EXPECT_TRUE(VelSerif->isVisible());
    // Within the few pixels a window system may shift a placed window by its frame.
    EXPECT_NEAR(VelSerif->Top(), GameState.dialogTop, 45);
    EXPECT_FALSE(VelMain->KeitaiGamen->isVisible());
}

TEST_F(CampusPlay, AnAnswerChangesAffectionByTheDataFilesAmount) {
    conversation::Reply expected;
    int before = 0;
    QString offeredLine;
    player.Now([] { ResumeAt(6, 5, 1); });
    player.Then([] { return GameState.phase == Phase::AwaitingReply; },
                [&] {
                    EXPECT_EQ(GameState.pendingConversation,
                              "66B");  // she came to the waiting player
                    EXPECT_EQ(GameState.elapsedMinutes, 6);
                    conversation::DataProblem problem;
                    expected = *conversation::ReadReply("66B", GameState.offeredCodes[3], problem);
                    offeredLine = VelSerif->Command1(2).text();
                    before = GameState.affection[6];
                    driver::Click(&VelSerif->Command1(2));
                });
    ASSERT_TRUE(RunUntil([&] { return player.Done(); }));

    conversation::DataProblem problem;
    EXPECT_EQ(offeredLine,
              conversation::WithFamilyName(
                  *conversation::ReadPlayerLine(GameState.offeredCodes[3], problem), "山田"));
    EXPECT_EQ(GameState.affection[6], before + expected.change);
    EXPECT_EQ(VelMain->Label1->Caption(), conversation::WithFamilyName(expected.text, "山田"));
    EXPECT_EQ(VelMain->Label2->Caption(), S(story::HeroineName(6)));  // her name stays
    EXPECT_FALSE(VelSerif.IsLoaded());
    EXPECT_EQ(GameState.phase, Phase::Idle);
    EXPECT_EQ(GameState.pendingConversation, "66B");  // she is still there
    EXPECT_EQ(EnabledButtons(), QList<int>{3});

    // Five distinct slots were offered.
    QSet<QString> lines;
    for (int k = 1; k <= 5; ++k)
        lines.insert(QString::number(GameState.offeredCodes[static_cast<size_t>(k)]));
    EXPECT_EQ(lines.size(), 5);
}

TEST_F(CampusPlay, AnIgnoredHeroineLeavesAngryAndAnAnsweredOneLeavesAtTheMark) {
    player.Now([] { ResumeAt(6, 5, 1); });
    // Heroine 6 comes at minute 6 and is left unanswered until minute 10.
    player.Then([] { return GameState.elapsedMinutes == 10; },
                [] {
                    EXPECT_EQ(
                        VelMain->Label1->Caption(),
                        "しゃべらずに無視をしていたら、彼女は行ってしまった。悪いことをしたな。");
                    EXPECT_EQ(GameState.affection[6], 2 - 3);
                    EXPECT_FALSE(VelSerif.IsLoaded());
                    EXPECT_TRUE(GameState.pendingConversation.isEmpty());
                    EXPECT_EQ(GameState.phase, Phase::Idle);
                    EXPECT_EQ(EnabledButtons(), QList<int>{3});
                    // To the gymnasium, where heroine 3 stands from minute 11.
                    driver::Click(&VelMain->Command1(3));
                });
    player.Then([] { return GameState.phase == Phase::AwaitingReply; },
                [] {
                    EXPECT_EQ(GameState.pendingConversation, "43A");
                    driver::Click(&VelSerif->Command1(0));
                });
    int affectionAfterAnswer = 0;
    player.Then([] { return GameState.phase == Phase::Idle; },
                [&] { affectionAfterAnswer = GameState.affection[3]; });
    player.Then([] { return GameState.elapsedMinutes == 15; },
                [] {
                    EXPECT_EQ(VelMain->Label1->Caption(),
                              "彼女は用事を思い出したらしく、どこかへ行ってしまった。");
                    EXPECT_TRUE(GameState.pendingConversation.isEmpty());
                });
    ASSERT_TRUE(RunUntil([&] { return player.Done(); }));
    EXPECT_EQ(GameState.affection[3], affectionAfterAnswer);  // no penalty for leaving
}

TEST_F(CampusPlay, AHeroineGreetsOnlyOncePerGame) {
    QStringList texts;
    player.Now([] { ResumeAt(6, 5, 1); });
    player.Then([] { return GameState.phase == Phase::AwaitingReply; },
                [] { driver::Click(&VelSerif->Command1(0)); });
    // At minute 11 the tennis court's heroine is 6 again: the empty court is shown once more.
    player.Then([] { return GameState.elapsedMinutes == 11; },
                [&] {
                    texts.append(VelMain->Label1->Caption());
                    // Rooftop heroine 2 is met at 4 in another game; here: to the gym and back at
                    // 12 and 13.
                    driver::Click(&VelMain->Command1(3));
                });
    player.Then(
        [] { return GameState.phase == Phase::AwaitingReply; },
        [&] {
            EXPECT_EQ(GameState.pendingConversation, "43A");
            driver::Click(&VelSerif->Command1(1));
            driver::Click(&VelMain->Command1(5));  // back to the tennis court, heroine 6 again
        });
    player.Then([] { return GameState.currentLocation == 6 && GameState.phase == Phase::Idle; },
                [&] { texts.append(VelMain->Label1->Caption()); });
    ASSERT_TRUE(RunUntil([&] { return player.Done(); }));
    EXPECT_EQ(texts, (QStringList{kNobodyHere, kNobodyHere}));
    EXPECT_EQ(GameState.metStage[6], 1);
}

TEST_F(CampusPlay, MailsComeInTheirOrderOnLongWalksOnly) {
    QStringList mails;
    auto walk = [](int button) { driver::Click(&VelMain->Command1(button)); };
    auto idleAt = [](int location) {
        return [location] {
            return GameState.phase == Phase::Idle && GameState.currentLocation == location;
        };
    };
    player.Now([&] {
        MeetNobody();
        ResumeAt(3, 1, 4);
        walk(6);  // a one-minute walk to the garden never rings
    });
    player.Then(idleAt(7), [&] { walk(2); });  // back to the schoolyard
    player.Then(idleAt(3), [&] { walk(0); });  // long: the hint mail
    player.Then(idleAt(1), [&] { walk(2); });  // long: the festival mail
    player.Then(idleAt(3), [&] { walk(0); });  // long: no mail the third time
    player.Then(idleAt(1), [&] { walk(2); });  // long: the date mail
    player.Then(idleAt(3), [] {});
    QObject watcher;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &watcher, [&] {
        const QString text = VelMain.IsLoaded() ? VelMain->KeitaiGamen->Caption() : QString();
        if (!text.isEmpty() && (mails.isEmpty() || mails.last() != text)) mails.append(text);
    });
    poll.start(2);
    RunUntil([&] { return GameState.mailCount == 4 && GameState.phase == Phase::Idle; }, 15000);
    EXPECT_EQ(mails, (QStringList{
                         S(story::HintMail(4)), S(story::FestivalMail()),
                         S(story::DateMailBeforeName()) + "山田" + S(story::DateMailAfterName())}));
    EXPECT_EQ(GameState.mailCount, 4);
}

TEST_F(CampusPlay, AMailOpenAtFiveHoldsClosingTimeBack) {
    QList<int> closingAt;
    ClockSteps().playClosingTime = [&] {
        closingAt.append(GameState.elapsedMinutes);
        VelMain->Timer1->SetEnabled(false);
    };
    player.SetAutoClick(false);
    player.Now([] {
        MeetNobody();
        ResumeAt(3, 25, 1);
        driver::Click(&VelMain->Command1(0));  // the rooftop, arriving at 28; the phone at 26
    });
    player.Then([] { return GameState.elapsedMinutes >= 31; },
                [&] {
                    EXPECT_TRUE(closingAt.isEmpty());
                    EXPECT_EQ(VelMain->lblClock->Caption(), "5:00 PM");
                    EXPECT_EQ(GameState.phase, Phase::PhoneMail);
                    player.SetAutoClick(true);
                });
    ASSERT_TRUE(RunUntil([&] { return !closingAt.isEmpty(); }, 10000));
    EXPECT_TRUE(player.clickedThrough.contains(S(story::FiveOClockLine())));
    EXPECT_EQ(closingAt.size(), 1);
    EXPECT_GE(closingAt[0], 32);
    EXPECT_EQ(GameState.currentLocation, 3);  // he never arrived
}

TEST_F(CampusPlay, AResumedGameGoesStraightBackToItsPlace) {
    player.Now([] { ResumeAt(6, 15, 3); });
    ASSERT_TRUE(RunUntil([&] { return player.Done(); }));
    EXPECT_EQ(VelMain->Label1->Caption(), "さて、どこに行こうかな。");
    EXPECT_TRUE(VelMain->Label2->Caption().isEmpty());
    EXPECT_EQ(GameState.sceneMusic, "M394C.mid");
    EXPECT_EQ(VelMain->lblClock->Caption(), "4:45 PM");
    EXPECT_EQ(EnabledButtons(), QList<int>{3});
    EXPECT_EQ(GameState.phase, Phase::Idle);
    EXPECT_TRUE(player.clickedThrough.isEmpty());
    EXPECT_FALSE(VelAlbum.IsLoaded());
}

}  // namespace

#include <gtest/gtest.h>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include "conversation/VelSerif.h"
#include "core/GameState.h"
#include "core/VelMain.h"
#include "core/session.h"
#include "tests/support/player.h"

namespace {

void RewriteData(const QString& file, const std::function<QString(QString)>& change) {
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QString text = QStringDecoder("CP932").decode(in.readAll());
    in.close();
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(QStringEncoder("CP932").encode(change(text)));
}

struct Damage {
    const char* name;
    std::function<void()> apply;
    const char* file;  // the file the message must name
    bool needsAnswer;  // the damage shows only when the player answers
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

// Heroine 6 comes to the tennis court at 4:36 PM; her conversation is damaged in many ways.
class DamagedData : public testing::TestWithParam<Damage> {
  protected:
    void SetUp() override { BeginTestGame(); }
    void TearDown() override { EndTestGame(); }
};

TEST_P(DamagedData, EndsTheConversationWithOneMessageAndTheGameGoesOn) {
    GetParam().apply();
    Player player(3);
    player.Now([] {
        GameState.currentLocation = 6;
        GameState.elapsedMinutes = 5;
        GameState.targetHeroine = 1;
        StartSession(true);
    });
    if (GetParam().needsAnswer)
        player.Then("her question", [] { return VelSerif.IsLoaded() && VelSerif->isVisible(); },
                    [] { driver::Click(&VelSerif->Command1(0)); }, ByMinute(6));
    player.Answer(QMessageBox::Ok, ByMinute(6))
        .Run("the talk ends", [] { return GameState.phase == Phase::Idle; }, Seconds(1));
    EXPECT_TRUE(player.boxes[0].text.contains(QString::fromLatin1(GetParam().file)))
        << player.boxes[0].text;
    EXPECT_FALSE(VelSerif.IsLoaded());
    EXPECT_TRUE(GameState.pendingConversation.isEmpty());
    EXPECT_EQ(VelMain->Label1->Caption(), "彼女は用事を思い出したらしく、どこかへ行ってしまった。");
    EXPECT_TRUE(VelMain->Command1(3).isEnabled());
    // Still responsive: the clock runs on and the player can walk away.
    player.Wait(150);
    EXPECT_EQ(GameState.elapsedMinutes, 8);
    driver::Click(&VelMain->Command1(3));
    EXPECT_EQ(GameState.phase, Phase::Walking);
}

const Damage kDamages[] = {
    {"MissingCodesFile", [] { QFile::remove("VelKCode.dat"); }, "VelKCode.dat", false},
    {"NoRecordForTheConversation",
     [] { RewriteData("VelKCode.dat", [](QString t) { return t.replace("66B", "99B"); }); },
     "VelKCode.dat", false},
    {"RecordCutShort",
     [] {
         RewriteData("VelKCode.dat", [](QString) { return QStringLiteral("66B,660,661,662\r\n"); });
     },
     "VelKCode.dat", false},
    {"CandidateNotANumber",
     [] {
         RewriteData("VelKCode.dat", [](QString t) {
             return t.replace(QRegularExpression("66B\"?,66\\d"), "66B,abc");
         });
     },
     "VelKCode.dat", false},
    {"MissingLinesFile", [] { QFile::remove("VelKaiwa.dat"); }, "VelKaiwa.dat", false},
    {"PlayerLinesMissing",
     [] {
         RewriteData("VelKaiwa.dat", [](QString t) {
             return t.remove(QRegularExpression("\"?66\\d[^\\r\\n]*\\r\\n"));
         });
     },
     "VelKaiwa.dat", false},
    {"NoRepliesSection",
     [] { RewriteData("VelResp.dat", [](QString t) { return t.replace("66B", "99B"); }); },
     "VelResp.dat", true},
    {"RepliesTooShort",
     [] {
         RewriteData("VelResp.dat", [](QString) {
             QString t = "66B\r\n";
             for (int code = 660; code <= 669; ++code) t += QString::number(code) + "\r\n";
             return t;
         });
     },
     "VelResp.dat", true},
    {"ChangeNotANumber",
     [] {
         RewriteData("VelResp.dat", [](QString) {
             QString t = "66B\r\n";
             for (int code = 660; code <= 669; ++code)
                 t += QString::number(code) + "そうだっぺ？xy\r\n";
             return t;
         });
     },
     "VelResp.dat", true},
};

INSTANTIATE_TEST_SUITE_P(Campus, DamagedData, testing::ValuesIn(kDamages),
                         [](const testing::TestParamInfo<Damage>& param) {
                             return param.param.name;
                         });

}  // namespace

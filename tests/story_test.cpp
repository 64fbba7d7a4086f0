#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <QList>
#include <QString>
#include <QStringList>

#include "story/story.h"
#include "tests/support/text_checks.h"

namespace {

// One text of the story API, with where it came from and which name placeholder it may hold.
struct Text {
    std::string where;
    std::string_view text;
    std::string_view allowedName;  // empty: no placeholder allowed
};

constexpr int kMaxLineLength = 78;  // three lines of the message label
constexpr int kPlaceholderWidth = 4;
constexpr int kMaxMailLength = 30;  // the phone screen
constexpr int kMaxCreditLength = 20;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters as the player sees them, a name placeholder counted as a short name.
int DisplayLength(std::string_view text) {
    QString shown = Q(text);
    const QString standIn(kPlaceholderWidth, QChar(u'Ｘ'));
    for (std::string_view placeholder : {story::kFamilyName, story::kGivenName}) {
        shown.replace(Q(placeholder), standIn);
    }
    return static_cast<int>(shown.toUcs4().size());
}

// Every brace must open the one placeholder this text may hold, and the name must be followed by
// the honorific the scenes expect.
bool PlaceholdersAreValid(std::string_view text, std::string_view allowedName) {
    std::size_t opened = 0;
    for (std::size_t pos = text.find('{'); pos != std::string_view::npos;
         pos = text.find('{', pos + 1)) {
        if (allowedName.empty()) return false;
        const std::string expected = std::string(allowedName) + "君";
        if (text.substr(pos, expected.size()) != expected) return false;
        ++opened;
    }
    std::size_t closed = 0;
    for (char c : text) closed += c == '}';
    return opened == closed;
}

std::vector<Text> AllTexts() {
    std::vector<Text> texts;
    auto add = [&texts](std::string where, std::string_view text, std::string_view name = {}) {
        texts.push_back({std::move(where), text, name});
    };
    for (int h = 1; h <= 8; ++h) add("HeroineName " + std::to_string(h), story::HeroineName(h));
    add("BestFriendName", story::BestFriendName());
    add("AlbumFriendName", story::AlbumFriendName());
    for (int location = 1; location <= 7; ++location) {
        for (int h = 1; h <= 6; ++h) {
            const story::Greeting greeting = story::GreetingAt(location, h);
            if (greeting.onArrival.empty() && greeting.whileWaiting.empty()) continue;
            const std::string cell = std::to_string(location) + std::to_string(h);
            add("greeting " + cell + "A", greeting.onArrival);
            add("greeting " + cell + "B", greeting.whileWaiting);
        }
    }
    int line = 0;
    for (std::string_view text : story::OpeningNarration()) {
        add("opening " + std::to_string(++line), text);
    }
    add("RingNarration", story::RingNarration());
    for (int h = 1; h <= 6; ++h) {
        add("HintMail " + std::to_string(h), story::HintMail(h));
        const story::MailReactions reactions = story::ReactionsToMail(1, h);
        add("hint reaction 1 of " + std::to_string(h), reactions.first);
        add("hint reaction 2 of " + std::to_string(h), reactions.second);
    }
    add("FestivalMail", story::FestivalMail());
    add("DateMailBeforeName", story::DateMailBeforeName());
    add("DateMailAfterName", story::DateMailAfterName());
    for (int mail : {2, 4}) {
        const story::MailReactions reactions = story::ReactionsToMail(mail, 1);
        add("reaction 1 to mail " + std::to_string(mail), reactions.first);
        add("reaction 2 to mail " + std::to_string(mail), reactions.second);
    }
    add("FiveOClockLine", story::FiveOClockLine());
    add("GateClosedNarration", story::GateClosedNarration());
    add("CalledFromBehindNarration", story::CalledFromBehindNarration());
    for (int h = 1; h <= 8; ++h) {
        for (bool mutual : {true, false}) {
            line = 0;
            for (const story::ScriptLine& script : story::Confession(h, mutual)) {
                add("confession " + std::to_string(h) + (mutual ? " mutual " : " ") +
                        std::to_string(++line),
                    script.text, story::kFamilyName);
            }
        }
    }
    add("EpilogueCommonLine", story::EpilogueCommonLine());
    for (int h = 1; h <= 8; ++h) {
        line = 0;
        for (const story::ScriptLine& script : story::Epilogue(h)) {
            add("epilogue " + std::to_string(h) + " line " + std::to_string(++line), script.text,
                h == 8 ? story::kGivenName : std::string_view{});
        }
    }
    for (int n = 1; n <= 5; ++n) add("Credit " + std::to_string(n), story::Credit(n));
    for (int photo = 0; photo <= 7; ++photo) {
        add("AlbumHint " + std::to_string(photo), story::AlbumHint(photo));
    }
    add("AlbumConfirmation", story::AlbumConfirmation());
    add("TitleMakerLine", story::TitleMakerLine());
    add("StartMenuCaption", story::StartMenuCaption());
    add("AlbumFriendTooltip", story::AlbumFriendTooltip());
    add("DataRoomAnnouncementTitle", story::DataRoomAnnouncementTitle());
    line = 0;
    for (std::string_view text : story::DataRoomAnnouncementLines()) {
        add("announcement " + std::to_string(++line), text);
    }
    return texts;
}

TEST(StoryTest, EveryTextIsShowableAndStorable) {
    const std::vector<Text> texts = AllTexts();
    for (const Text& t : texts) {
        SCOPED_TRACE(t.where);
        EXPECT_FALSE(t.text.empty());
        EXPECT_EQ(t.text.find_first_of("\r\n"), std::string_view::npos);
        EXPECT_TRUE(SurvivesCp932(Q(t.text))) << t.text;
        EXPECT_LE(DisplayLength(t.text), kMaxLineLength) << t.text;
        EXPECT_TRUE(PlaceholdersAreValid(t.text, t.allowedName)) << t.text;
    }
}

TEST(StoryTest, NamesFollowTheCast) {
    const QString markers = QStringLiteral("敬恭恵雅昌亮和敏");
    std::set<QChar> familyInitials;
    for (int h = 1; h <= 8; ++h) {
        SCOPED_TRACE(h);
        const QStringList parts = Q(story::HeroineName(h)).split(u'　');
        ASSERT_EQ(parts.size(), 2);
        ASSERT_FALSE(parts[0].isEmpty());
        ASSERT_FALSE(parts[1].isEmpty());
        EXPECT_EQ(parts[1].front(), markers[h - 1]);
        familyInitials.insert(parts[0].front());
    }
    // The data room finds a heroine by the first character of her name.
    EXPECT_EQ(familyInitials.size(), 8u);
    for (std::string_view friendName : {story::BestFriendName(), story::AlbumFriendName()}) {
        EXPECT_EQ(Q(friendName).split(u'　').size(), 2) << friendName;
    }
    EXPECT_NE(story::BestFriendName(), story::AlbumFriendName());
    EXPECT_TRUE(story::HeroineName(0).empty());
    EXPECT_TRUE(story::HeroineName(9).empty());
}

TEST(StoryTest, GreetingsStandExactlyInTheTimetableCells) {
    const std::set<std::pair<int, int>> cells = {
        {1, 2}, {2, 1}, {6, 6}, {7, 5}, {4, 3}, {5, 4}, {2, 2}, {3, 3},
        {4, 4}, {1, 5}, {2, 6}, {3, 4}, {5, 3}, {6, 1}, {7, 3},
    };
    std::set<std::string_view> seen;
    for (int location = 0; location <= 8; ++location) {
        for (int h = 0; h <= 9; ++h) {
            SCOPED_TRACE(testing::Message() << "cell " << location << "," << h);
            const story::Greeting greeting = story::GreetingAt(location, h);
            const bool stands = cells.contains({location, h});
            EXPECT_EQ(!greeting.onArrival.empty(), stands);
            EXPECT_EQ(!greeting.whileWaiting.empty(), stands);
            if (stands) {
                EXPECT_TRUE(seen.insert(greeting.onArrival).second) << "reused greeting";
                EXPECT_TRUE(seen.insert(greeting.whileWaiting).second) << "reused greeting";
            }
        }
    }
}

TEST(StoryTest, EpiloguesKeepTheirShape) {
    struct Shape {
        std::size_t lines;
        std::size_t spoken;  // counting from 1; 0 for none
    };
    const Shape shapes[] = {{8, 5}, {7, 3}, {7, 5}, {5, 0}, {8, 4}, {7, 4}, {7, 5}, {7, 5}};
    for (int h = 1; h <= 8; ++h) {
        SCOPED_TRACE(h);
        const auto lines = story::Epilogue(h);
        ASSERT_EQ(lines.size(), shapes[h - 1].lines);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool spoken = i + 1 == shapes[h - 1].spoken;
            EXPECT_EQ(lines[i].speaker,
                      spoken ? story::Speaker::Heroine : story::Speaker::Narration)
                << "line " << i + 1;
            const bool namesHim = lines[i].text.find(story::kGivenName) != std::string_view::npos;
            EXPECT_EQ(namesHim, h == 8 && spoken) << "line " << i + 1;
        }
    }
    EXPECT_TRUE(story::Epilogue(0).empty());
    EXPECT_TRUE(story::Epilogue(9).empty());
}

TEST(StoryTest, PhoneMailsFitThePhoneAndFollowTheMailCount) {
    for (int h = 1; h <= 6; ++h) {
        EXPECT_LE(DisplayLength(story::HintMail(h)), kMaxMailLength) << h;
    }
    EXPECT_LE(DisplayLength(story::FestivalMail()), kMaxMailLength);
    const std::string dateMail = std::string(story::DateMailBeforeName()) +
                                 std::string(story::kFamilyName) +
                                 std::string(story::DateMailAfterName());
    EXPECT_LE(DisplayLength(dateMail), kMaxMailLength);

    // Each picked heroine gets her own hint and her own reactions.
    std::set<std::string_view> hints;
    std::set<std::string_view> reactions;
    for (int h = 1; h <= 6; ++h) {
        hints.insert(story::HintMail(h));
        reactions.insert(story::ReactionsToMail(1, h).first);
        reactions.insert(story::ReactionsToMail(1, h).second);
    }
    EXPECT_EQ(hints.size(), 6u);
    EXPECT_EQ(reactions.size(), 12u);
    EXPECT_NE(story::ReactionsToMail(2, 1).first, story::ReactionsToMail(4, 1).first);
    EXPECT_EQ(story::ReactionsToMail(2, 3).first, story::ReactionsToMail(2, 5).first);

    // Mails 3 and 5 on are silent, and a game without a picked heroine has no hint.
    for (int mail : {0, 3, 5}) {
        EXPECT_TRUE(story::ReactionsToMail(mail, 1).first.empty()) << mail;
    }
    EXPECT_TRUE(story::ReactionsToMail(1, 0).first.empty());
    EXPECT_TRUE(story::HintMail(0).empty());
    EXPECT_TRUE(story::HintMail(7).empty());
}

TEST(StoryTest, FrontEndAndRollTextsFitTheirPlaces) {
    EXPECT_EQ(story::OpeningNarration().size(), 7u);
    std::set<std::string_view> hints;
    for (int photo = 0; photo <= 7; ++photo) hints.insert(story::AlbumHint(photo));
    EXPECT_EQ(hints.size(), 8u);
    EXPECT_TRUE(story::AlbumHint(-1).empty());
    EXPECT_TRUE(story::AlbumHint(8).empty());

    for (int n = 1; n <= 5; ++n) {
        EXPECT_LE(DisplayLength(story::Credit(n)), kMaxCreditLength) << n;
    }
    EXPECT_TRUE(story::Credit(0).empty());
    EXPECT_TRUE(story::Credit(6).empty());

    EXPECT_NE(story::TitleMakerLine().find("Korvane"), std::string_view::npos);
    for (char c : story::StartMenuCaption()) {
        EXPECT_TRUE(c >= 0x20 && c < 0x7f) << "the caption is plain English";
    }
    EXPECT_GE(story::DataRoomAnnouncementLines().size(), 2u);
}

}  // namespace

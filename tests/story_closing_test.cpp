#include <gtest/gtest.h>
#include <QList>
#include <QString>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "story/story.h"
#include "tests/support/text_checks.h"

namespace {

// The text label holds three rows of about 28 full-width characters; a family name takes up to 4.
constexpr qsizetype kMaxLineLength = 78;
constexpr qsizetype kFamilyNameAllowance = 4;

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

qsizetype ShownLength(std::string_view text) {
    QString shown = ToQString(text);
    shown.replace(ToQString(story::kFamilyName), QString(kFamilyNameAllowance, QChar(u'Ｘ')));
    return static_cast<qsizetype>(shown.toUcs4().size());
}

// Checks shared by every closing-time text; `where` names the text in failure messages.
void ExpectDisplayable(std::string_view text, const std::string& where) {
    EXPECT_FALSE(text.empty()) << where;
    EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos) << where;
    EXPECT_EQ(text.find(story::kGivenName), std::string_view::npos) << where;
    EXPECT_TRUE(SurvivesCp932(ToQString(text))) << where;
    EXPECT_LE(ShownLength(text), kMaxLineLength) << where;
}

struct ScriptShape {
    int heroine;
    bool mutualLove;
    std::size_t lines;
    std::vector<std::size_t> familyNameLines;  // counting the first line as 1
};

const std::vector<ScriptShape> kShapes = {
    {1, true, 20, {2, 14}}, {1, false, 18, {2, 14}}, {2, true, 16, {2, 6, 10, 14}},
    {2, false, 16, {2}},    {3, true, 16, {2}},      {3, false, 17, {2}},
    {4, true, 15, {}},      {4, false, 16, {}},      {5, true, 18, {}},
    {5, false, 14, {8}},    {6, true, 15, {}},       {6, false, 17, {}},
    {7, true, 22, {}},      {7, false, 22, {}},      {8, true, 18, {6}},
    {8, false, 18, {6}},
};

TEST(ClosingStory, NarrationBeforeTheCallIsPlainText) {
    for (std::string_view text :
         {story::GateClosedNarration(), story::CalledFromBehindNarration()}) {
        ExpectDisplayable(text, std::string(text));
        EXPECT_EQ(text.find(story::kFamilyName), std::string_view::npos) << text;
    }
}

TEST(ClosingStory, EveryConfessionKeepsItsShape) {
    const std::string family(story::kFamilyName);
    for (const ScriptShape& shape : kShapes) {
        const auto script = story::Confession(shape.heroine, shape.mutualLove);
        const std::string name = "heroine " + std::to_string(shape.heroine) +
                                 (shape.mutualLove ? " mutual" : " confession");
        ASSERT_EQ(script.size(), shape.lines) << name;

        const std::set<std::size_t> named(shape.familyNameLines.begin(),
                                          shape.familyNameLines.end());
        for (std::size_t i = 0; i < script.size(); ++i) {
            const std::size_t number = i + 1;
            const std::string where = name + ", line " + std::to_string(number);
            const std::string_view text = script[i].text;
            ExpectDisplayable(text, where);

            // His reaction first, then her line, his line, hers...
            const auto expected =
                number % 2 == 1 ? story::Speaker::Narration : story::Speaker::Heroine;
            EXPECT_EQ(script[i].speaker, expected) << where;

            const std::size_t at = text.find(story::kFamilyName);
            if (named.count(number) == 0) {
                EXPECT_EQ(at, std::string_view::npos) << where << " must not name him";
                continue;
            }
            ASSERT_NE(at, std::string_view::npos) << where << " must name him";
            EXPECT_EQ(text.substr(at + family.size(), std::string_view("君").size()), "君")
                << where;
            EXPECT_EQ(text.find(story::kFamilyName, at + 1), std::string_view::npos) << where;
        }
    }
}

TEST(ClosingStory, VariantsOfOneHeroineReadDifferently) {
    for (int heroine = 1; heroine <= 6; ++heroine) {
        std::set<std::string_view> mutualTexts;
        for (const story::ScriptLine& line : story::Confession(heroine, true)) {
            mutualTexts.insert(line.text);
        }
        for (const story::ScriptLine& line : story::Confession(heroine, false)) {
            EXPECT_EQ(mutualTexts.count(line.text), 0u)
                << "heroine " << heroine << " repeats: " << line.text;
        }
    }
}

TEST(ClosingStory, FallbackHeroinesHaveOneSceneAndUnknownHeroinesNone) {
    for (int heroine : {7, 8}) {
        EXPECT_EQ(story::Confession(heroine, true).data(),
                  story::Confession(heroine, false).data());
    }
    for (int heroine : {0, 9, -1}) {
        EXPECT_TRUE(story::Confession(heroine, true).empty()) << heroine;
        EXPECT_TRUE(story::Confession(heroine, false).empty()) << heroine;
    }
}

}  // namespace

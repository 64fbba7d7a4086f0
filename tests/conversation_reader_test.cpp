#include <limits>

#include <gtest/gtest.h>
#include <QFile>
#include <QStringEncoder>
#include <QStringList>

#include "conversation/delimited.h"

using conversation::DelimitedReader;
using conversation::LeadingNumber;

namespace {

QStringList AllFields(DelimitedReader reader) {
    QStringList fields;
    while (!reader.AtEnd()) fields << reader.ReadField();
    return fields;
}

QStringList FieldsOf(const QString& text) {
    return AllFields(DelimitedReader::FromText(text));
}

TEST(DelimitedReader, FieldsFollowTheClassicSequentialInputRules) {
    // Quoted fields keep commas and blanks; text after the closing quote is dropped; a quote
    // that never closes runs to the end.
    EXPECT_EQ(FieldsOf(R"("a, b","  padded  ",c)"), (QStringList{"a, b", "  padded  ", "c"}));
    EXPECT_EQ(FieldsOf("\"x\" junk,y\n\"z\"tail\nw"), (QStringList{"x", "y", "z", "w"}));
    EXPECT_EQ(FieldsOf("a,\"open, to the end"), (QStringList{"a", "open, to the end"}));
    // Unquoted fields are trimmed and may be empty.
    EXPECT_EQ(FieldsOf("  a  ,\tb\t,c d,,"), (QStringList{"a", "b", "c d", ""}));
    EXPECT_EQ(FieldsOf(R"(,"",b)"), (QStringList{"", "", "b"}));
    // Every line end ends a field, blank lines are skipped, and a record reads the same on one
    // line or several.
    EXPECT_EQ(FieldsOf("a\r\nb\nc\rd\r\n\r\n   \r\n\ne\r\n"), (QStringList{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(FieldsOf("21A,210,211\r\n212"), FieldsOf("21A,210,211,212"));

    DelimitedReader reader = DelimitedReader::FromText("first,last");
    EXPECT_EQ(reader.ReadField(), "first");
    EXPECT_EQ(reader.ReadField(), "last");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.ReadField(), "");  // and it stays at the end
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_TRUE(DelimitedReader::FromText("  \r\n\t\n").AtEnd());
}

TEST(DelimitedReader, ReadsCp932FilesAndAMissingFileAsEmpty) {
    const QString text = "\"21A\"\r\n210桐島先輩、卒業おめでとう～,\"あ、そうだ、ＸＸＸ\"\r\n";
    QFile file("sample.dat");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringEncoder("CP932").encode(text));
    file.close();
    EXPECT_EQ(AllFields(DelimitedReader("sample.dat")),
              (QStringList{"21A", "210桐島先輩、卒業おめでとう～", "あ、そうだ、ＸＸＸ"}));
    for (const QString path : {"no-such-file.dat", "."}) {
        DelimitedReader missing(path);
        EXPECT_FALSE(missing.IsOpen()) << path.toStdString();
        EXPECT_TRUE(missing.AtEnd()) << path.toStdString();
    }
}

TEST(LeadingNumber, ReadsLikeTheClassicNumberInput) {
    const std::pair<const char16_t*, int> cases[] = {
        {u"007abc", 7}, {u"-3", -3}, {u"+5", 5},  {u"abc", 0},  {u" 12", 12}, {u"", 0},
        {u"-", 0},      {u"21A", 21}, {u"3-4", 3}, {u"１２３", 0},  // full-width digits are text
        {u"99999999999999999999", std::numeric_limits<int>::max()},
    };
    for (auto [text, number] : cases) EXPECT_EQ(LeadingNumber(text), number) << QString::fromUtf16(text).toStdString();
}

}  // namespace

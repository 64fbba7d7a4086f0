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

}  // namespace

TEST(DelimitedReader, QuotedFieldsKeepCommasAndBlanks) {
    EXPECT_EQ(FieldsOf(R"("a, b",c)"), (QStringList{"a, b", "c"}));
    EXPECT_EQ(FieldsOf(R"("  padded  ",x)"), (QStringList{"  padded  ", "x"}));
    // Text after the closing quote is dropped up to the delimiter.
    EXPECT_EQ(FieldsOf("\"x\" junk,y\n\"z\"tail\nw"), (QStringList{"x", "y", "z", "w"}));
    // A quote that never closes runs to the end of the text.
    EXPECT_EQ(FieldsOf("a,\"open, to the end"), (QStringList{"a", "open, to the end"}));
    EXPECT_EQ(FieldsOf(R"("",b)"), (QStringList{"", "b"}));
}

TEST(DelimitedReader, UnquotedFieldsAreTrimmedAndMayBeEmpty) {
    EXPECT_EQ(FieldsOf("  a  ,\tb\t,c d"), (QStringList{"a", "b", "c d"}));
    EXPECT_EQ(FieldsOf("a,,b"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(FieldsOf(",x"), (QStringList{"", "x"}));
}

TEST(DelimitedReader, EveryLineEndStyleEndsAField) {
    EXPECT_EQ(FieldsOf("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(FieldsOf("a\r\n\r\n   \r\n\nb\r\n"), (QStringList{"a", "b"}));
    // A record reads the same whether it stands on one line or several.
    EXPECT_EQ(FieldsOf("21A,210,211\r\n212"), FieldsOf("21A,210,211,212"));
    EXPECT_EQ(FieldsOf("\"q\"\r\nnext"), (QStringList{"q", "next"}));
}

TEST(DelimitedReader, EndOfTextIsReachedAndStaysReached) {
    DelimitedReader reader = DelimitedReader::FromText("first,last");
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.ReadField(), "first");
    EXPECT_EQ(reader.ReadField(), "last");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.ReadField(), "");
    EXPECT_EQ(reader.ReadField(), "");
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_TRUE(DelimitedReader::FromText("  \r\n\t\n").AtEnd());
    EXPECT_TRUE(FieldsOf("").isEmpty());
    // A trailing comma leaves nothing behind it to read.
    EXPECT_EQ(FieldsOf("a,b,"), (QStringList{"a", "b"}));
}

TEST(DelimitedReader, ReadsCp932Files) {
    QStringEncoder encoder("CP932");
    ASSERT_TRUE(encoder.isValid());
    const QString text =
        QString::fromUtf8("\"21A\"\r\n210桐島先輩、卒業おめでとう～,\"あ、そうだ、ＸＸＸ\"\r\n");
    QByteArray bytes = encoder.encode(text);
    ASSERT_FALSE(encoder.hasError());
    {
        QFile file("sample.dat");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    DelimitedReader reader("sample.dat");
    EXPECT_TRUE(reader.IsOpen());
    EXPECT_EQ(AllFields(reader),
              (QStringList{"21A", QString::fromUtf8("210桐島先輩、卒業おめでとう～"),
                           QString::fromUtf8("あ、そうだ、ＸＸＸ")}));
}

TEST(DelimitedReader, MissingOrUnreadableFileReadsAsEmpty) {
    for (const QString& path : {QString("no-such-file.dat"), QString(".")}) {
        DelimitedReader reader(path);
        EXPECT_FALSE(reader.IsOpen()) << path.toStdString();
        EXPECT_TRUE(reader.AtEnd()) << path.toStdString();
        EXPECT_EQ(reader.ReadField(), "") << path.toStdString();
    }
}

TEST(LeadingNumber, ReadsLikeTheClassicNumberInput) {
    EXPECT_EQ(LeadingNumber(u"007abc"), 7);
    EXPECT_EQ(LeadingNumber(u"-3"), -3);
    EXPECT_EQ(LeadingNumber(u"+5"), 5);
    EXPECT_EQ(LeadingNumber(u"05"), 5);
    EXPECT_EQ(LeadingNumber(u"10"), 10);
    EXPECT_EQ(LeadingNumber(u"abc"), 0);
    EXPECT_EQ(LeadingNumber(u" 12"), 12);
    EXPECT_EQ(LeadingNumber(u""), 0);
    EXPECT_EQ(LeadingNumber(u"-"), 0);
    EXPECT_EQ(LeadingNumber(u"21A"), 21);
    EXPECT_EQ(LeadingNumber(u"3-4"), 3);
    // Full-width digits are text, not numbers.
    EXPECT_EQ(LeadingNumber(u"１２３"), 0);
    EXPECT_EQ(LeadingNumber(u"99999999999999999999"), std::numeric_limits<int>::max());
}

#include "interchange/csvreader.h"

#include <gtest/gtest.h>

using namespace vm280;

namespace {

QList<CsvRecord> records(const QString &text)
{
    CsvReader reader(text);
    QList<CsvRecord> records;
    CsvRecord record;
    while (reader.next(record))
        records << record;
    if (reader.error())
        ADD_FAILURE() << reader.error()->reason.english.toStdString();
    return records;
}

// The fault that ends reading text.
std::optional<InputError> errorOf(const QString &text)
{
    CsvReader reader(text);
    CsvRecord record;
    while (reader.next(record)) {
    }
    return reader.error();
}

QStringList texts(const CsvRecord &record)
{
    QStringList list;
    for (const CsvField &field : record)
        list << field.text;
    return list;
}

} // namespace

TEST(CsvReader, shouldSplitFieldsAndRecords)
{
    const auto read = records("a,b,,c\r\n1,2\n\n3");
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(texts(read[0]), QStringList({"a", "b", "", "c"}));
    EXPECT_EQ(texts(read[1]), QStringList({"1", "2"}));
    EXPECT_EQ(texts(read[2]), QStringList({"3"}));
    EXPECT_EQ(read[2][0].line, 4) << "the blank line is skipped but counted";
}

TEST(CsvReader, shouldTakeQuotedFieldsWithCommasQuotesAndLineBreaks)
{
    const auto read = records("\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",x\n\"\",y");
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(texts(read[0]), QStringList({"a,b", "say \"hi\"", "two\nlines", "x"}));
    EXPECT_EQ(read[0][3].line, 2);
    EXPECT_EQ(read[0][3].column, 8);
    EXPECT_EQ(texts(read[1]), QStringList({"", "y"}));
}

TEST(CsvReader, shouldGiveWhereEachFieldStarts)
{
    const auto read = records("Location,Name\n12,中文,z");
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[1][0].column, 1);
    EXPECT_EQ(read[1][1].column, 4);
    EXPECT_EQ(read[1][2].column, 7);
    EXPECT_EQ(read[1][2].line, 2);
}

TEST(CsvReader, shouldRefuseMalformedQuotes)
{
    struct Row
    {
        const char *text;
        int line;
        int column;
        const char *reason;
    } rows[] = {
        {"a,b\n1,\"open", 2, 3, "the quoted field has no closing quote"},
        {"a,\"b\"c,d", 1, 6, "a comma or the end of the line expected after the closing quote"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        const auto error = errorOf(QString::fromLatin1(row.text));
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->line, row.line);
        EXPECT_EQ(error->column, row.column);
        EXPECT_EQ(error->reason.english, row.reason);
    }
}

TEST(CsvReader, shouldTakeAQuoteInsideAnUnquotedFieldAsItStands)
{
    const auto read = records("5\"x,y");
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(texts(read[0]), QStringList({"5\"x", "y"}));
}

TEST(CsvReader, shouldRefuseARecordOfMoreFieldsThanAnyChannelList)
{
    const QString wide = "a" + QString(",").repeated(CsvReader::kMaxFields - 1);
    EXPECT_EQ(records(wide + "\n1").size(), 2);
    const auto error = errorOf("x\n" + wide + ",b");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->line, 2);
    EXPECT_EQ(error->reason.english, "more than 1000 fields in one record");
}

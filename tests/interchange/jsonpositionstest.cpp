#include "interchange/jsonpositions.h"

#include <gtest/gtest.h>

using namespace vm280;

namespace {

// The error for pointer in text, as "line:column".
QString where(const QByteArray &text, const QString &pointer)
{
    const InputError error = JsonPositions(text).errorAt(pointer, {"r", "r"});
    return QString("%1:%2").arg(error.line).arg(error.column);
}

} // namespace

TEST(JsonPositions, shouldFindEveryValueByPointer)
{
    const QByteArray text = "{\n"
                            "  \"a\": [1, {\"b\": \"x\"}, [true, null]],\n"
                            "  \"c\" :  -2.5e3 ,\"d\":{}\n"
                            "}";
    struct Row
    {
        const char *pointer;
        const char *where;
    } rows[] = {
        {"", "1:1"},      {"/a", "2:8"},      {"/a/0", "2:9"}, {"/a/1", "2:12"}, {"/a/1/b", "2:18"},
        {"/a/2", "2:24"}, {"/a/2/1", "2:31"}, {"/c", "3:10"},  {"/d", "3:22"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.pointer);
        EXPECT_EQ(where(text, row.pointer), row.where);
    }
}

TEST(JsonPositions, shouldFallBackToTheNearestEnclosingValue)
{
    const QByteArray text = "[\n {\"x\": 1}]";
    EXPECT_EQ(where(text, "/0/missing"), "2:2");
    EXPECT_EQ(where(text, "/5/x"), "1:1");
}

TEST(JsonPositions, shouldCountCharactersNotBytes)
{
    const QByteArray text = "{\"语言\": \"中文\", \"k\": 1}";
    EXPECT_EQ(where(text, "/k"), "1:19");
    EXPECT_EQ(where(text, "/语言"), "1:8");
}

TEST(JsonPositions, shouldSkipEscapedQuotes)
{
    const QByteArray text = "{\"a\": \"say \\\"hi\\\" \\\\\", \"b\": 2}";
    EXPECT_EQ(where(text, "/b"), "1:29");
}

TEST(JsonPositions, shouldTurnAByteOffsetIntoLineAndColumn)
{
    const InputError error = JsonPositions::errorAtOffset("ab\nc中d\n", 8, {"为何", "why"});
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.column, 4);
    EXPECT_EQ(error.reason, BilingualText({"为何", "why"}));
}

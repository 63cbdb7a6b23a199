#include "app/droppedfile.h"

#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace vm280;
using namespace Qt::StringLiterals;

TEST(DroppedFile, shouldTakeTheFirstUrlWhenItIsALocalFile)
{
    const QTemporaryDir dir;
    const QString plan = dir.filePath(u"plan.DAT"_s);
    const QString other = dir.filePath(u"other.DAT"_s);
    const QUrl web(u"https://www.vm280.example/plan.DAT"_s);
    const struct
    {
        const char *name;
        QList<QUrl> urls;
        QString expected;
    } cases[] = {
        {"one file", {QUrl::fromLocalFile(plan)}, plan},
        {"the first of two", {QUrl::fromLocalFile(plan), QUrl::fromLocalFile(other)}, plan},
        {"a file that does not exist (Open says why)", {QUrl::fromLocalFile(other)}, other},
        {"a web address", {web}, {}},
        {"a web address first", {web, QUrl::fromLocalFile(plan)}, {}},
        {"a folder", {QUrl::fromLocalFile(dir.path())}, {}},
        {"no URL", {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QMimeData data;
        data.setUrls(c.urls);
        EXPECT_EQ(DroppedFile(data), c.expected);
    }
}

TEST(DroppedFile, shouldIgnoreDroppedText)
{
    QMimeData data;
    data.setText(u"/plans/plan.DAT"_s);
    EXPECT_TRUE(DroppedFile(data).isEmpty());
}

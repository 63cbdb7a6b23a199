#include "image/codeplanfile.h"
#include "image/codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vm280;
using namespace Qt::StringLiterals;

namespace {

QByteArray defaultImage()
{
    return EncodeImage(CodePlan(), ChoiceTexts::simplifiedChinese());
}

} // namespace

TEST(CodePlanFile, shouldPutTheTagBeforeTheImage)
{
    const QByteArray bytes = CodePlanBytes(defaultImage());
    ASSERT_EQ(bytes.size(), kCodePlanFileBytes);
    EXPECT_EQ(bytes.left(5), "TRZ28");
    EXPECT_EQ(bytes.mid(5).toHex().toUpper(), defaultImage());
}

TEST(CodePlanFile, shouldRefuseWrongTagsAndShortFiles)
{
    const QByteArray good = CodePlanBytes(defaultImage());
    QByteArray wrongTag = good;
    wrongTag[4] = '9';
    const struct
    {
        const char *name;
        QByteArray bytes;
        bool accepted;
    } cases[] = {
        {"whole file", good, true},
        {"tag and decoded bytes", good.left(kCodePlanMinimumBytes), true},
        {"one byte short", good.left(kCodePlanMinimumBytes - 1), false},
        {"tag only", good.left(5), false},
        {"empty", QByteArray(), false},
        {"wrong tag", wrongTag, false},
        {"lower-case tag", "trz28" + good.mid(5), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto parsed = ParseCodePlan(c.bytes);
        EXPECT_EQ(std::holds_alternative<QByteArray>(parsed), c.accepted);
        if (const auto *error = std::get_if<FileError>(&parsed)) {
            EXPECT_EQ(error->kind, FileError::WrongType);
        }
    }
}

TEST(CodePlanFile, shouldReadAtMost855Bytes)
{
    const QByteArray bytes = CodePlanBytes(defaultImage()) + QByteArray(100, '\x12');
    const auto parsed = ParseCodePlan(bytes);
    ASSERT_TRUE(std::holds_alternative<QByteArray>(parsed));
    const QByteArray image = std::get<QByteArray>(parsed);
    EXPECT_EQ(image.size(), 2 * (kCodePlanReadLimit - 5));
    EXPECT_EQ(image.left(2 * kImageBytes), defaultImage());
    EXPECT_EQ(image.right(4), "1212");
}

TEST(CodePlanFile, shouldSaveAndOpenTheSameImage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"plan.DAT"_s);
    EXPECT_FALSE(WriteCodePlanFile(path, defaultImage()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), kCodePlanFileBytes);
    const auto read = ReadCodePlanFile(path);
    ASSERT_TRUE(std::holds_alternative<QByteArray>(read));
    EXPECT_EQ(std::get<QByteArray>(read), defaultImage());
}

TEST(CodePlanFile, shouldReportWhyAFileCannotBeReadOrWritten)
{
    QTemporaryDir dir;
    const auto missing = ReadCodePlanFile(dir.filePath(u"missing.DAT"_s));
    ASSERT_TRUE(std::holds_alternative<FileError>(missing));
    EXPECT_EQ(std::get<FileError>(missing).kind, FileError::Io);
    EXPECT_FALSE(std::get<FileError>(missing).detail.isEmpty());

    const auto unwritable = WriteCodePlanFile(dir.filePath(u"no/such/dir/plan.DAT"_s), defaultImage());
    ASSERT_TRUE(unwritable);
    EXPECT_EQ(unwritable->kind, FileError::Io);
    EXPECT_FALSE(unwritable->detail.isEmpty());
}

TEST(CodePlanFile, shouldLeaveNothingBehindWhenASaveFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"plan.DAT"_s);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"plan.DAT"_s));
    const auto error = WriteCodePlanFile(path, defaultImage());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::NotRegularFile);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{u"plan.DAT"_s});
    EXPECT_TRUE(QFileInfo(path).isDir());
}

#include "link/backupcatalog.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "link/backupname.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;

namespace {

QString dataFile(const QString &name)
{
    return QString::fromUtf8(VM280_TEST_DATA "/link/") + name;
}

QByteArray imageOf(const QString &path)
{
    return std::get<QByteArray>(ReadCodePlanFile(path));
}

// Puts a file in the folder with the given bytes and last change.
void put(const QDir &folder, const QString &name, const QByteArray &bytes, const QDateTime &changed = {})
{
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
    // Written out first: the last write would change the time again.
    ASSERT_TRUE(file.flush());
    if (changed.isValid()) {
        ASSERT_TRUE(file.setFileTime(changed, QFileDevice::FileModificationTime));
    }
}

} // namespace

TEST(BackupCatalog, shouldReadTheTimeFromTheNameTheToolGivesABackup)
{
    const QDateTime when(QDate(2026, 12, 8), QTime(14, 30, 5));
    EXPECT_EQ(BackupTime(BackupFileName(when, 2)), when);
    EXPECT_EQ(BackupTime(u"2026-12-08_143005_400-480MHz-2.DAT"_s), when);
    EXPECT_EQ(BackupTime(u"radio.DAT"_s), std::nullopt);
    EXPECT_EQ(BackupTime(u"2026-13-08_143005_400-480MHz.DAT"_s), std::nullopt);
    EXPECT_EQ(BackupTime(u"2026-12-08_1430_400-480MHz.DAT"_s), std::nullopt);
}

TEST(BackupCatalog, shouldListEveryPlanFileNewestFirstWithItsBandIdentificationAndSize)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QByteArray uhf = CodePlanBytes(imageOf(dataFile(u"plan-uhf.DAT"_s)));
    const QByteArray vhf = CodePlanBytes(imageOf(dataFile(u"plan-vhf.DAT"_s)));
    const QByteArray erased = CodePlanBytes(QByteArray(2 * 848, 'F'));
    // The name says 136-174MHz, the memory 400-480MHz: the memory tells.
    put(folder, u"2026-12-08_143005_136-174MHz.DAT"_s, uhf);
    put(folder, u"2026-12-08_143005_136-174MHz-2.DAT"_s, vhf);
    put(folder, u"2025-01-02_090000_400-480MHz.DAT"_s, erased);
    put(folder, u"customer.dat"_s, vhf, QDateTime(QDate(2026, 1, 1), QTime(8, 0)));
    put(folder, u"broken.DAT"_s, "not a plan", QDateTime(QDate(2020, 5, 5), QTime(5, 5)));
    put(folder, u"notes.txt"_s, uhf);
    ASSERT_TRUE(folder.mkdir(u"old.DAT"_s));

    const QList<BackupEntry> entries = ListBackups(dir.path());
    QStringList names;
    for (const BackupEntry &entry : entries)
        names << QFileInfo(entry.path).fileName();
    // Newest first; two backups of the same second in either order.
    ASSERT_EQ(names.size(), 5) << names.join(u' ').toStdString();
    EXPECT_EQ(
        QSet<QString>(names.begin(), names.begin() + 2),
        QSet<QString>({u"2026-12-08_143005_136-174MHz.DAT"_s, u"2026-12-08_143005_136-174MHz-2.DAT"_s}));
    EXPECT_EQ(names.mid(2),
              QStringList({u"customer.dat"_s, u"2025-01-02_090000_400-480MHz.DAT"_s, u"broken.DAT"_s}));
    const auto entry = [&](const QString &name) { return entries[names.indexOf(name)]; };

    const BackupEntry named = entry(u"2026-12-08_143005_136-174MHz.DAT"_s);
    EXPECT_EQ(named.taken, QDateTime(QDate(2026, 12, 8), QTime(14, 30, 5)));
    EXPECT_EQ(named.band, 0);
    EXPECT_EQ(named.identification, u"TRZP280 58214739"_s);
    EXPECT_EQ(named.size, uhf.size());
    EXPECT_FALSE(named.error.has_value());
    EXPECT_EQ(entry(u"2026-12-08_143005_136-174MHz-2.DAT"_s).band, 5);
    // A file named otherwise is dated by its last change.
    EXPECT_EQ(entry(u"customer.dat"_s).taken, QDateTime(QDate(2026, 1, 1), QTime(8, 0)));
    EXPECT_EQ(entry(u"customer.dat"_s).band, 5);
    const BackupEntry blank = entry(u"2025-01-02_090000_400-480MHz.DAT"_s);
    EXPECT_EQ(blank.band, -1);
    EXPECT_EQ(blank.identification, QString());
    const BackupEntry broken = entry(u"broken.DAT"_s);
    ASSERT_TRUE(broken.error.has_value());
    EXPECT_EQ(broken.error->kind, FileError::WrongType);
    EXPECT_EQ(broken.band, -1);
    EXPECT_EQ(broken.size, 10);
}

TEST(BackupCatalog, shouldListNothingForAFolderNotMadeYet)
{
    QTemporaryDir dir;
    EXPECT_TRUE(ListBackups(dir.filePath(u"backups"_s)).isEmpty());
}

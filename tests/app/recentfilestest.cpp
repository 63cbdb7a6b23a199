#include "app/recentfiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vm280;
using namespace Qt::StringLiterals;

namespace {

// A folder with the plan files a.DAT to j.DAT and the settings file the list is kept in.
struct Folder
{
    QTemporaryDir dir;

    Folder()
    {
        for (char16_t letter = u'a'; letter <= u'j'; ++letter) {
            QFile file(plan(letter));
            file.open(QIODevice::WriteOnly);
        }
    }
    QString plan(char16_t letter) const { return dir.filePath(QString(QChar(letter)) + u".DAT"_s); }
    QString settings() const { return dir.filePath(u"vm280.ini"_s); }
};

} // namespace

TEST(RecentFiles, shouldPutTheLatestFileOnTopOnceAndKeepEight)
{
    const QString a = u"/plans/a.DAT"_s, b = u"/plans/b.DAT"_s, c = u"/plans/c.DAT"_s;
    QStringList nine;
    for (int i = 1; i <= 9; ++i)
        nine << u"/plans/%1.DAT"_s.arg(i);
    const struct
    {
        const char *name;
        QStringList list;
        QString path;
        QStringList expected;
    } cases[] = {
        {"into an empty list", {}, a, {a}},
        {"a new file", {a, b}, c, {c, a, b}},
        {"a listed file moves up", {a, b, c}, c, {c, a, b}},
        {"the top file stays", {a, b}, a, {a, b}},
        {"the oldest drops off", nine.mid(0, 8), a, QStringList{a} + nine.mid(0, 7)},
        {"an unclean path", {a}, u"/plans/x/../b.DAT"_s, {b, a}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RecentFiles::added(c.list, c.path), c.expected);
    }
    EXPECT_EQ(RecentFiles::added({}, u"relative.DAT"_s),
              QStringList{QDir::current().filePath(u"relative.DAT"_s)});
}

TEST(RecentFiles, shouldPruneMissingFilesAndFoldersKeepingTheOrder)
{
    const Folder folder;
    QDir(folder.dir.path()).mkdir(u"folder.DAT"_s);
    const QStringList list{folder.plan(u'c'), folder.dir.filePath(u"gone.DAT"_s), folder.plan(u'a'),
                           folder.dir.filePath(u"folder.DAT"_s)};
    EXPECT_EQ(RecentFiles::pruned(list), QStringList({folder.plan(u'c'), folder.plan(u'a')}));
}

TEST(RecentFiles, shouldKeepTheLastEightFilesInTheSettingsFile)
{
    const Folder folder;
    RecentFiles recent(folder.settings());
    EXPECT_TRUE(recent.files().isEmpty());
    for (char16_t letter = u'a'; letter <= u'j'; ++letter)
        recent.add(folder.plan(letter));
    recent.add(folder.plan(u'e'));
    QStringList expected{folder.plan(u'e')};
    for (char16_t letter = u'j'; letter >= u'f'; --letter)
        expected << folder.plan(letter);
    expected << folder.plan(u'd') << folder.plan(u'c');
    EXPECT_EQ(RecentFiles(folder.settings()).files(), expected);
}

TEST(RecentFiles, shouldStoreTheListWithoutAFileThatWasDeleted)
{
    const Folder folder;
    RecentFiles recent(folder.settings());
    recent.add(folder.plan(u'a'));
    recent.add(folder.plan(u'b'));
    QFile::remove(folder.plan(u'a'));
    EXPECT_EQ(recent.files(), QStringList{folder.plan(u'b')});
    // Back again, the file is not listed: the pruned list was stored.
    QFile(folder.plan(u'a')).open(QIODevice::WriteOnly);
    EXPECT_EQ(RecentFiles(folder.settings()).files(), QStringList{folder.plan(u'b')});
}

TEST(RecentFiles, shouldReadAHandEditedListAsAbsolutePathsEachOnce)
{
    const Folder folder;
    {
        QSettings settings(folder.settings(), QSettings::IniFormat);
        const QStringList written{folder.plan(u'b'), QString(), folder.plan(u'a'), folder.plan(u'b'),
                                  folder.dir.path() + u"/x/../c.DAT"_s};
        settings.beginWriteArray(u"RecentFiles"_s);
        for (int i = 0; i < written.size(); ++i) {
            settings.setArrayIndex(i);
            settings.setValue(u"path"_s, written[i]);
        }
        settings.endArray();
    }
    EXPECT_EQ(RecentFiles(folder.settings()).files(),
              QStringList({folder.plan(u'b'), folder.plan(u'a'), folder.plan(u'c')}));
}

TEST(RecentFiles, shouldKeepTheUsersListInTheToolsSettingsFile)
{
    const QTemporaryDir config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    EXPECT_EQ(RecentFiles().settingsPath(), config.filePath(u"vm280/vm280.ini"_s));
}

#include "ui/languagesetting.h"
#include "ui/inisettings.h"
#include "ui/languagemode.h"
#include "watchdog.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vm280;
using namespace Qt::StringLiterals;

namespace {

// The per-user store in a folder of the test's own, never the user's configuration.
class LanguageSetting : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
        SetLanguageMode(Language::SimplifiedChinese);
    }

    QString storePath() const { return m_dir.filePath(u"VM-280.ini"_s); }
    void writeStore(const QByteArray &content) const
    {
        QFile file(storePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray storeContent() const
    {
        QFile file(storePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool valueIsStored() const
    {
        return QSettings(storePath(), QSettings::IniFormat).contains(u"Languages"_s);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(LanguageSetting, shouldTakeTheLanguageOnceAndDeleteTheValue)
{
    const struct
    {
        const char *value;
        Language expected;
    } cases[] = {
        {"english", Language::English},
        {"chinesetrad", Language::TraditionalChinese},
        {"English", Language::SimplifiedChinese},
        {"chinese", Language::SimplifiedChinese},
        {"\"english\"", Language::English},
        {"english, chinesetrad", Language::SimplifiedChinese},
        {"@ByteArray(\\x1\\0)", Language::SimplifiedChinese},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        writeStore("[General]\nLanguages=" + QByteArray(c.value) + "\nOther=kept\n");
        // A fallback that is never the expected mode, so that the value is seen to decide.
        const Language fallback =
            c.expected == Language::English ? Language::SimplifiedChinese : Language::English;
        LoadLanguageSetting(u"VM-280"_s, fallback);
        EXPECT_EQ(LanguageMode(), c.expected);
        EXPECT_FALSE(valueIsStored());
        EXPECT_EQ(QSettings(storePath(), QSettings::IniFormat).value(u"Other"_s).toString(), u"kept"_s);
        // The next start has no value left: the parameter file decides.
        LoadLanguageSetting(u"VM-280"_s, Language::TraditionalChinese);
        EXPECT_EQ(LanguageMode(), Language::TraditionalChinese);
    }
}

TEST_F(LanguageSetting, shouldLeaveItToTheParameterFileWhenThereIsNoText)
{
    const QByteArray stores[] = {
        "[General]\nLanguages=\n",                  // empty
        "[General]\nOther=1\n",                     // missing
        "[General]\nLanguages=@ByteArray(12345)\n", // more than the four bytes a read takes
        "[General]\nLanguages=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n", // a number, no text
    };
    for (const QByteArray &content : stores) {
        SCOPED_TRACE(content.toStdString());
        writeStore(content);
        LoadLanguageSetting(u"VM-280"_s, Language(5));
        EXPECT_EQ(LanguageMode(), Language(5)) << "the parameter file's number, whatever it is";
        EXPECT_EQ(storeContent(), content);
    }
}

TEST_F(LanguageSetting, shouldNotCreateAMissingStore)
{
    LoadLanguageSetting(u"VM-280"_s, Language::English);
    EXPECT_EQ(LanguageMode(), Language::English);
    EXPECT_FALSE(QFile::exists(storePath()));
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
}

TEST_F(LanguageSetting, shouldReadTheStoreOfTheKeyItIsGiven)
{
    writeStore("[General]\nLanguages=english\n");
    LoadLanguageSetting(u"VM-290"_s, Language::TraditionalChinese);
    EXPECT_EQ(LanguageMode(), Language::TraditionalChinese);
    EXPECT_TRUE(valueIsStored());
}

TEST_F(LanguageSetting, shouldKeepTheFallbackWithoutWaitingForAPipeInPlaceOfTheStore)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(storePath()).constData(), 0600), 0);
    const test::Watchdog watchdog("reading a FIFO as the language store");
    LoadLanguageSetting(u"VM-280"_s, Language::English);
    EXPECT_EQ(LanguageMode(), Language::English);
}

TEST(IniSettings, shouldNameTheFilesWhereQSettingsKeepsThem)
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    EXPECT_EQ(UserIniPath(u"VM-280"_s),
              QSettings(QSettings::IniFormat, QSettings::UserScope, u"VM-280"_s).fileName());
    EXPECT_EQ(ToolSettingsPath(),
              QSettings(QSettings::IniFormat, QSettings::UserScope, u"vm280"_s, u"vm280"_s).fileName());
    // Learning the names wrote nothing.
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(IniSettings, shouldOpenOnlyWhatCanBeReadWithoutWaiting)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(u"fifo.ini"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const test::Watchdog watchdog("opening a FIFO as a settings file");
    EXPECT_FALSE(OpenIniSettings(fifo));
    EXPECT_FALSE(OpenIniSettings(dir.path()));
    const QString missing = dir.filePath(u"new.ini"_s);
    {
        const auto settings = OpenIniSettings(missing);
        ASSERT_TRUE(settings);
        settings->setValue(u"key"_s, 7);
    }
    EXPECT_EQ(OpenIniSettings(missing)->value(u"key"_s).toInt(), 7);
}

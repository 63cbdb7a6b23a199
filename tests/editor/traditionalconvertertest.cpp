#include "editor/traditionalconverter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vm280;
using namespace Qt::StringLiterals;

namespace {

// A configuration in a folder of its own, naming dictionary.
class BrokenConfiguration : public testing::Test
{
protected:
    QString write(const QByteArray &content)
    {
        const QString path = m_dir.filePath(u"s2t-characters.json"_s);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    static QByteArray naming(const QByteArray &dictionary)
    {
        return R"({"name": "test", "segmentation": {"type": "mmseg", "dict": {"type": "ocd2", "file": ")" +
               dictionary + R"("}}, "conversion_chain": [{"dict": {"type": "ocd2", "file": ")" + dictionary +
               R"("}}]})";
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(BrokenConfiguration, shouldKeepTheSimplifiedTextWhenTheConfigurationIsMissing)
{
    const TraditionalConverter converter(m_dir.filePath(u"missing.json"_s));
    ASSERT_TRUE(converter.problem());
    EXPECT_TRUE(converter.problem()->contains(u"missing.json"_s)) << converter.problem()->toStdString();
    EXPECT_EQ(converter.convert(u"频段"), u"频段"_s);
}

TEST_F(BrokenConfiguration, shouldKeepTheSimplifiedTextWhenTheDictionaryIsMissing)
{
    const TraditionalConverter converter(write(naming("NoSuchCharacters.ocd2")));
    ASSERT_TRUE(converter.problem());
    EXPECT_TRUE(converter.problem()->contains(u"NoSuchCharacters.ocd2"_s))
        << converter.problem()->toStdString();
    EXPECT_EQ(converter.convert(u"VM-280 对讲机编程软件"), u"VM-280 对讲机编程软件"_s);
}

TEST_F(BrokenConfiguration, shouldReportAConfigurationThatIsNoConfiguration)
{
    for (const QByteArray &content : {QByteArray("{\"name\": "), QByteArray("[]"), QByteArray("\xFF\xFE"),
                                      QByteArray(R"({"name": "no chain"})")}) {
        SCOPED_TRACE(content.toStdString());
        const TraditionalConverter converter(write(content));
        EXPECT_TRUE(converter.problem());
        EXPECT_EQ(converter.convert(u"频段"), u"频段"_s);
    }
}

TEST_F(BrokenConfiguration, shouldNotTakeAFolderForTheConfiguration)
{
    const TraditionalConverter converter(m_dir.path());
    EXPECT_TRUE(converter.problem());
    const TraditionalConverter unnamed{QString()};
    EXPECT_TRUE(unnamed.problem());
}

TEST_F(BrokenConfiguration, shouldTakeTheSystemDictionaryNamedByAConfigurationElsewhere)
{
    const TraditionalConverter converter(write(naming("STCharacters.ocd2")));
    EXPECT_FALSE(converter.problem()) << converter.problem()->toStdString();
    EXPECT_EQ(converter.convert(u"频段"), u"頻段"_s);
}

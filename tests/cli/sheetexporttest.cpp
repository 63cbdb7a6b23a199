#include "clirunner.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280::test;

namespace {

const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");

// The output of a poppler tool; nothing when it is not installed.
std::optional<QString> poppler(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class SheetExport : public testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(SheetExport, shouldPrintThePlanOnOnePageWithItsSixteenChannels)
{
    const CliRun run =
        runCli({"export", kRichPlan, "--format", "pdf", "-o", path("sheet.pdf"), "--lang", "en"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(fileBytes(path("sheet.pdf")).startsWith("%PDF-"));
    const auto info = poppler("pdfinfo", {path("sheet.pdf")});
    if (!info)
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) is not installed";
    EXPECT_TRUE(info->contains(QRegularExpression("Pages:\\s+1\\n"))) << info->toStdString();
    const QString text = *poppler("pdftotext", {"-layout", path("sheet.pdf"), "-"});
    for (int channel = 1; channel <= 16; ++channel) {
        const QRegularExpression row(u"^\\s*%1\\b"_s.arg(channel, 2, 10, QLatin1Char('0')),
                                     QRegularExpression::MultilineOption);
        EXPECT_TRUE(text.contains(row)) << "channel " << channel << " in\n" << text.toStdString();
    }
    for (const char *expected : {"Channel sheet", "Model: 450-490MHz", "450.01250", "Carrow", "Function Set",
                                 "Optional Function", "Keys Set", "ID12345678", "File: rich.DAT"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " in\n" << text.toStdString();
}

TEST_F(SheetExport, shouldWriteTheSheetAsHtmlInTraditionalChinese)
{
    const CliRun run = runCli({"export", kRichPlan, "--format", "html", "--lang", "zh-Hant"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("<h1>信道表</h1>"));
    EXPECT_TRUE(run.out.contains("<td>03</td><td>452.50625</td><td>254.1</td><td>452.50625</td><td>254.1</td>"
                                 "<td>高</td><td>載波</td><td>寬帶</td><td>有</td>"));
    EXPECT_TRUE(run.out.contains("<td>發射結束(16位)</td><td>END</td>"));
    EXPECT_TRUE(run.out.contains("文件: rich.DAT"));
}

// The English sheet is all English, and what the radio left unprogrammed (bytes 0xFF: an ID
// nobody set, a scan delay of FF FF) is blank rather than "ÿÿÿÿÿÿÿÿÿÿ" or -1.
TEST_F(SheetExport, shouldWriteTheEnglishSheetInEnglishWithBlanksForUnsetValues)
{
    ASSERT_EQ(runCli({"new", "-o", path("new.DAT")}).exitCode, 0);
    for (const QString &plan : {path("new.DAT"), kRichPlan}) {
        SCOPED_TRACE(plan.toStdString());
        const CliRun run = runCli({"export", plan, "--format", "html", "--lang", "en"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QString &html = run.out;
        EXPECT_FALSE(html.contains(QRegularExpression(u"[\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"_s)))
            << html.toStdString();
        EXPECT_FALSE(html.contains(QChar(0xFF))) << html.toStdString();
        EXPECT_TRUE(html.contains(u"<td>TX start code (16 digits)</td>"_s));
    }
    const QString fresh = runCli({"export", path("new.DAT"), "--format", "html", "--lang", "en"}).out;
    EXPECT_TRUE(fresh.contains(u"<td>ID code</td><td></td>"_s)) << fresh.toStdString();
    const QString rich = runCli({"export", kRichPlan, "--format", "html", "--lang", "en"}).out;
    EXPECT_TRUE(rich.contains(u"<td>ID code</td><td>ID12345678</td>"_s));
    EXPECT_TRUE(rich.contains(u"<td>Scan launch delay time(S)</td><td></td>"_s)) << rich.toStdString();
    EXPECT_TRUE(rich.contains(u"<td>Scan receive delay time(S)</td><td>300</td>"_s));
}

TEST_F(SheetExport, shouldRefuseAPdfWithoutAFileAndLeaveNoFileOnFailure)
{
    const CliRun noFile = runCli({"export", kRichPlan, "--format", "pdf"});
    EXPECT_EQ(noFile.exitCode, 1);
    EXPECT_TRUE(noFile.err.contains("needs -o FILE")) << noFile.err.toStdString();
    ASSERT_TRUE(writeBytes(path("folder"), "a file, not a folder"));
    const CliRun unwritable =
        runCli({"export", kRichPlan, "--format", "pdf", "-o", path("folder/sheet.pdf")});
    EXPECT_EQ(unwritable.exitCode, 3);
    EXPECT_FALSE(QFileInfo::exists(path("folder/sheet.pdf")));
    EXPECT_EQ(runCli({"export", kRichPlan, "--format", "odt"}).exitCode, 1);
}

} // namespace

TEST_F(SheetExport, shouldPrintTheJobAndTheNoteUnderTheTitle)
{
    const CliRun run = runCli({"export", kRichPlan, "--format", "html", "--lang", "en", "--job",
                               "Harbour <Security> & Co", "--note", "Site B\\n{{footer}} spare radios"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(
        run.out.contains("<h1>Channel sheet</h1>\n<p><b>Customer / job: Harbour &lt;Security&gt; &amp; "
                         "Co</b></p>\n<p>Note: Site B<br>&#123;&#123;footer}} spare radios</p>"))
        << run.out.toStdString();
    EXPECT_EQ(run.out.count("File: rich.DAT"), 1);
    const CliRun chinese =
        runCli({"export", kRichPlan, "--format", "html", "--lang", "zh-Hant", "--job", "码头"});
    EXPECT_TRUE(chinese.out.contains("<p><b>客戶/工作: 码头</b></p>")) << chinese.out.toStdString();
    // Without them the head is the title and the band.
    const CliRun plain = runCli({"export", kRichPlan, "--format", "html"});
    EXPECT_TRUE(plain.out.contains("<h1>信道表</h1>\n<p>")) << plain.out.toStdString();
    EXPECT_FALSE(plain.out.contains("客户/工作"));
    EXPECT_EQ(runCli({"export", kRichPlan, "--format", "json", "--job", "x"}).exitCode, 1);
}

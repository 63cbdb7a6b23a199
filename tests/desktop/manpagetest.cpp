#include "manpage.h"

#include "radio/radiofault.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

namespace {

// What a program prints for arguments on standard output; empty when it does not finish.
QString outputOf(const QString &program, const QStringList &arguments,
                 const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The options a help text lists: the option column of its lines "  -o, --output <FILE>  Text".
QSet<QString> helpOptions(const QString &help)
{
    static const QRegularExpression line(u"^  (-\\S.*?)(?:  |$)"_s, QRegularExpression::MultilineOption);
    static const QRegularExpression option(u"(?<![\\w-])--?[A-Za-z][\\w-]*"_s);
    QSet<QString> options;
    for (const auto &column : line.globalMatch(help)) {
        for (const auto &match : option.globalMatch(column.captured(1)))
            options << match.captured();
    }
    return options;
}

// The arguments a help text lists under "Arguments:".
QStringList helpArguments(const QString &help)
{
    QStringList arguments;
    const QString list = help.section(u"Arguments:\n"_s, 1).section(u"\n\n"_s, 0, 0);
    for (const QString &line : list.split(u'\n', Qt::SkipEmptyParts))
        arguments << line.simplified().section(u' ', 0, 0);
    return arguments;
}

// The command names vm280-cli --help lists under "Commands:".
QStringList helpCommands(const QString &help)
{
    QStringList commands;
    const QString list = help.section(u"Commands:\n"_s, 1).section(u"\n\n"_s, 0, 0);
    for (const QString &line : list.split(u'\n', Qt::SkipEmptyParts))
        commands << line.simplified().section(u' ', 0, 0);
    return commands;
}

std::string listed(const QSet<QString> &items)
{
    QStringList sorted(items.begin(), items.end());
    sorted.sort();
    return sorted.join(u' ').toStdString();
}

const QString kCli = QString::fromUtf8(VM280_CLI);
const QString kRadio = QString::fromUtf8(VM280_RADIO_BINARY);
const QString kWindow = QString::fromUtf8(VM280_WINDOW);

} // namespace

TEST(CliManPage, shouldHaveASubsectionForEveryCommandAndNoOther)
{
    const ManPage page(QString::fromUtf8(VM280_CLI_MANPAGE));
    ASSERT_TRUE(page.loaded());
    const QStringList commands = helpCommands(outputOf(kCli, {u"--help"_s}));
    ASSERT_GE(commands.size(), 8) << "vm280-cli --help lists no commands";
    EXPECT_EQ(page.subsections(u"COMMANDS"_s), commands);
}

TEST(CliManPage, shouldDescribeEveryOptionOfEveryCommand)
{
    const ManPage page(QString::fromUtf8(VM280_CLI_MANPAGE));
    const QSet<QString> general = page.options(u"OPTIONS"_s);
    EXPECT_TRUE(general.contains(helpOptions(outputOf(kCli, {u"--help"_s}))))
        << "OPTIONS lists " << listed(general);
    for (const QString &command : helpCommands(outputOf(kCli, {u"--help"_s}))) {
        SCOPED_TRACE(command.toStdString());
        const QSet<QString> options = helpOptions(outputOf(kCli, {command, u"--help"_s}));
        EXPECT_FALSE(options.isEmpty())
            << "vm280-cli " << command.toStdString() << " --help lists no options";
        const QSet<QString> missing = options - page.options(command) - general;
        EXPECT_TRUE(missing.isEmpty()) << "not in the man page: " << listed(missing);
    }
}

TEST(CliManPage, shouldDescribeEveryExitCode)
{
    const ManPage page(QString::fromUtf8(VM280_CLI_MANPAGE));
    EXPECT_EQ(page.tags(u"EXIT STATUS"_s), QStringList({u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
}

TEST(RadioManPage, shouldDescribeEveryOption)
{
    const ManPage page(QString::fromUtf8(VM280_RADIO_MANPAGE));
    ASSERT_TRUE(page.loaded());
    const QSet<QString> options = helpOptions(outputOf(kRadio, {u"--help"_s}));
    ASSERT_TRUE(options.contains(u"--fault"_s)) << "vm280-radio --help lists " << listed(options);
    const QSet<QString> missing = options - page.options(u"OPTIONS"_s);
    EXPECT_TRUE(missing.isEmpty()) << "not in the man page: " << listed(missing);
}

TEST(RadioManPage, shouldDescribeEveryFaultModeAndNoOther)
{
    const ManPage page(QString::fromUtf8(VM280_RADIO_MANPAGE));
    EXPECT_EQ(page.tags(u"FAULTS"_s), RadioFaultNames().split(u", "_s));
}

TEST(WindowManPage, shouldDescribeEveryOptionAndArgumentOfTheHelpGivenWithoutADisplay)
{
    const ManPage page(QString::fromUtf8(VM280_WINDOW_MANPAGE));
    ASSERT_TRUE(page.loaded());
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        noDisplay.remove(name);
    const QString help = outputOf(kWindow, {u"--help"_s}, noDisplay);
    const QSet<QString> options = helpOptions(help);
    ASSERT_TRUE(options.contains(u"--version"_s)) << "vm280 --help lists " << listed(options);
    const QSet<QString> missing = options - page.options(u"OPTIONS"_s);
    EXPECT_TRUE(missing.isEmpty()) << "not in the man page: " << listed(missing);
    const QStringList arguments = helpArguments(help);
    ASSERT_EQ(arguments, QStringList{u"PLAN.DAT"_s});
    EXPECT_TRUE(page.tags(u"OPTIONS"_s).contains(arguments.first()));
}

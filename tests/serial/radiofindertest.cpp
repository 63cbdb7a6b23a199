#include "serial/radiofinder.h"
#include "radio/radioprocess.h"
#include "serial/radioport.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

namespace {

constexpr int kWaitMs = 15000;

QString chinese(QStringView text, QStringView)
{
    return text.toString();
}

PortFinding failed(LinkCause cause)
{
    return {1, u"/dev/ttyUSB0"_s, false, cause};
}

LinkCause otherModel()
{
    LinkCause cause = LinkCauseOf(LinkCause::OtherModel);
    cause.model = u"VM380"_s;
    return cause;
}

} // namespace

class RadioFinderTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldSayEachFindingInAWordOrTwo_data();
    void shouldSayEachFindingInAWordOrTwo();
    void shouldReportAPortHeldElsewhereAsInUseAndGoOn();
    void shouldStopAtOnceWhenCancelledAndCloseTheExchange();
};

void RadioFinderTest::shouldSayEachFindingInAWordOrTwo_data()
{
    QTest::addColumn<PortFinding>("finding");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("found") << PortFinding{1, u"/dev/ttyUSB0"_s, true, std::nullopt} << u"VM-280"_s
                           << u"VM-280"_s;
    QTest::newRow("silent") << failed(LinkCauseOf(LinkCause::NoAnswer)) << u"no answer"_s << u"无应答"_s;
    QTest::newRow("no radio") << failed(LinkCauseOf(LinkCause::NotIdentified)) << u"no radio"_s
                              << u"不是对讲机"_s;
    QTest::newRow("other model") << failed(otherModel()) << u"other model: VM380"_s << u"其他型号：VM380"_s;
    QTest::newRow("in use") << failed(OpenFailureCause(u"/dev/ttyUSB0"_s, {PortProblem::Busy, {}}))
                            << u"in use"_s << u"正被使用"_s;
    QTest::newRow("no permission") << failed(OpenFailureCause(u"/dev/ttyUSB0"_s,
                                                              {PortProblem::PermissionDenied, u"dialout"_s}))
                                   << u"no permission"_s << u"没有权限"_s;
    QTest::newRow("not present") << failed(OpenFailureCause(u"/dev/ttyUSB0"_s, {PortProblem::Missing, {}}))
                                 << u"not present"_s << u"不存在"_s;
}

void RadioFinderTest::shouldSayEachFindingInAWordOrTwo()
{
    QFETCH(PortFinding, finding);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    QCOMPARE(PortFindingWord(finding, EnglishWords), english);
    QCOMPARE(PortFindingWord(finding, ::chinese), chinese);
}

void RadioFinderTest::shouldReportAPortHeldElsewhereAsInUseAndGoOn()
{
    RadioProcess held({u"--baud"_s, u"0"_s});
    RadioProcess radio({u"--baud"_s, u"0"_s});
    auto opened = OpenRadioPort(held.devicePath);
    QVERIFY(std::holds_alternative<std::unique_ptr<QSerialPort>>(opened));
    RadioFinder finder;
    QSignalSpy finished(&finder, &RadioFinder::finished);
    QVERIFY(finder.start(PortSlots({held.devicePath, radio.devicePath})));
    QVERIFY(!finder.start(PortSlots({radio.devicePath})));
    QVERIFY(finished.wait(kWaitMs));
    QCOMPARE(finder.findings().size(), 2);
    const PortFinding &busy = finder.findings()[0];
    QVERIFY(!busy.radioFound);
    QVERIFY(busy.cause && busy.cause->problem);
    QCOMPARE(busy.cause->problem->kind, PortProblem::Busy);
    QVERIFY(finder.found().has_value());
    QCOMPARE(finder.found()->portNumber, 2);
    QCOMPARE(finder.found()->devicePath, radio.devicePath);
    QVERIFY(!finder.cancelled());
}

void RadioFinderTest::shouldStopAtOnceWhenCancelledAndCloseTheExchange()
{
    RadioProcess silent({u"-v"_s, u"--baud"_s, u"0"_s, u"--fault"_s, u"silent"_s},
                        QProcess::SeparateChannels);
    RadioProcess radio({u"-v"_s, u"--baud"_s, u"0"_s}, QProcess::SeparateChannels);
    QString silentLog;
    const auto logged = [&](const QString &line) {
        silentLog += QString::fromUtf8(silent.process->readAllStandardError());
        return silentLog.contains(line);
    };
    RadioFinder finder;
    QSignalSpy finished(&finder, &RadioFinder::finished);
    QSignalSpy probing(&finder, &RadioFinder::probing);
    QVERIFY(finder.start(PortSlots({silent.devicePath, radio.devicePath})));
    // The dealer cancels while the silent radio is being asked.
    QTRY_VERIFY_WITH_TIMEOUT(logged(u"PC: handshake word"_s), kWaitMs);
    QCOMPARE(probing.count(), 1);
    QCOMPARE(probing.first().first().toInt(), 1);
    finder.cancel();
    QCOMPARE(finished.count(), 1);
    QVERIFY(!finder.running());
    QVERIFY(finder.cancelled());
    QVERIFY(finder.findings().isEmpty());
    QVERIFY(!finder.found().has_value());
    // The exchange was closed; meanwhile nothing more was probed or reported.
    QTRY_VERIFY_WITH_TIMEOUT(logged(u"PC: end of programming"_s), kWaitMs);
    QCOMPARE(probing.count(), 1);
    QCOMPARE(finished.count(), 1);
    QVERIFY(radio.process->readAllStandardError().isEmpty());
}

QTEST_GUILESS_MAIN(RadioFinderTest)
#include "radiofindertest.moc"

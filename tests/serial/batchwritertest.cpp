// A batch against radios the test plugs into and pulls off a pseudo-terminal itself: the radio
// side runs in this process, answers at once, and while no radio is plugged in the PC's bytes
// fall on the floor as they would on a cable with nothing at its end.

#include "serial/batchwriter.h"
#include "image/bands.h"
#include "image/codec.h"
#include "image/hex.h"
#include "link/writelist.h"
#include "radio/pseudoterminal.h"
#include "radio/radiomodel.h"
#include "serial/radioport.h"

#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace std::chrono_literals;

namespace {

constexpr int kWaitMs = 15000;
// The band code sits at radio address 0x0010 + 429.
constexpr int kBandOffset = 429;

// The cable's far end: at most one radio, which the test plugs in and pulls off.
class RadioSocket : public QObject
{
public:
    RadioSocket()
    {
        QVERIFY(!m_terminal.open().has_value());
        m_notifier = std::make_unique<QSocketNotifier>(m_terminal.masterFd(), QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, &RadioSocket::take);
    }

    QString devicePath() const { return m_terminal.devicePath(); }

    RadioModel &plugIn(RadioFault fault = {}, int band = 0)
    {
        auto radio = std::make_unique<RadioModel>(fault);
        QByteArray memory(RadioModel::kMemoryBytes, char(0xFF));
        memory[kBandOffset] = QByteArray::fromHex(BandCode(band))[0];
        radio->loadMemory(memory);
        m_radios.push_back(std::move(radio));
        m_sessions.push_back(0);
        m_plugged = true;
        return *m_radios.back();
    }
    void unplug() { m_plugged = false; }
    bool plugged() const { return m_plugged; }

    const RadioModel &radio(int index) const { return *m_radios.at(index); }
    int radioCount() const { return int(m_radios.size()); }
    /// Operations on the radio that wrote at least one block.
    int writes(int index) const { return m_sessions.at(index); }
    /// What the PC sent while no radio was plugged in.
    const QByteArray &unheard() const { return m_unheard; }

private:
    void take()
    {
        const QByteArray bytes = m_terminal.readAvailable();
        if (!m_plugged) {
            m_unheard += bytes;
            return;
        }
        RadioModel &radio = *m_radios.back();
        for (const char byte : bytes) {
            const RadioStep step = radio.receive(byte);
            if (step.answer)
                m_terminal.write(step.answer->bytes());
            if (step.operationEnded && step.memoryWritten)
                ++m_sessions.back();
        }
    }

    PseudoTerminal m_terminal;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::vector<std::unique_ptr<RadioModel>> m_radios;
    std::vector<int> m_sessions;
    QByteArray m_unheard;
    bool m_plugged = false;
};

// The dealer's side: the plan, and a record of what the batch asked of the window.
class OwnerLink : public SerialLink
{
public:
    OwnerLink() { plan.band = 0; }

    void setCommandsEnabled(bool enabled) override { commands << enabled; }
    void showMessage(LinkText text) override { messages << text; }
    bool askBandQuestion() override
    {
        ++questions;
        return bandAnswer;
    }
    QByteArray encodeImage() override { return EncodeImage(plan, ChoiceTexts::simplifiedChinese()); }
    void decodeImage(const QByteArray &hex) override
    {
        DecodeImage(plan, hex, ChoiceTexts::simplifiedChinese());
    }
    int bandSelectorIndex() const override { return plan.band; }
    void selectBandWithoutPrompt(int index) override { plan.band = index; }
    bool serviceMode() const override { return false; }
    void operationEnded(LinkOutcome) override { ++ownEnds; }

    CodePlan plan;
    QList<bool> commands;
    QList<LinkText> messages;
    int questions = 0;
    bool bandAnswer = true;
    int ownEnds = 0;
};

// The image the plan encodes to, as the radio holds it from 0x0010.
QByteArray planBytes(OwnerLink &owner)
{
    return QByteArray::fromHex(owner.encodeImage());
}

// True when the radio holds the plan in every block a write sends.
bool holdsPlan(const RadioModel &radio, const QByteArray &plan)
{
    for (const int block : WriteBlocks(false)) {
        const int offset = block - kFirstBlock;
        if (radio.memory().mid(offset, kWriteBlockBytes) != plan.mid(offset, kWriteBlockBytes))
            return false;
    }
    return true;
}

// The first address of a block a write sends where the plan holds something else than an
// unwritten radio's 0xFF.
int firstPlannedAddress(const QByteArray &plan)
{
    for (const int block : WriteBlocks(false)) {
        for (int address = block; address < block + kWriteBlockBytes; ++address) {
            if (quint8(plan[address - kFirstBlock]) != 0xFF)
                return address;
        }
    }
    return 0;
}

} // namespace

class BatchWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writesEachRadioOnceAsTheyAreSwapped();
    void countsAFailedRadioAndGoesOn();
    void endsAtItsCountWithoutWaitingForTheUnplug();
    void stopsAtOnceWhileWaitingAndAfterTheRadioWhileWriting();
    void asksTheBandQuestionOnceForTheWholeBatch();
    void writesThePlanAsItWasWhenTheBatchStarted();
    void refusesAClosedPort();
    void stopsWhileTheRadioOnlyAcknowledges();
    void endsWithThePortLostWhenTheCableGoes();

private:
    BatchWriter::Options fastOptions(int count = 0) const;
    // Pulls the radio off once it has been written, and plugs the next one in once the batch
    // has noticed.
    void swapRadiosAutomatically(std::function<RadioFault(int radio)> faults = {});

    std::unique_ptr<RadioSocket> m_socket;
    std::unique_ptr<OwnerLink> m_owner;
    std::unique_ptr<BatchWriter> m_batch;
    QTemporaryDir m_backups;
};

void BatchWriterTest::init()
{
    m_socket = std::make_unique<RadioSocket>();
    m_owner = std::make_unique<OwnerLink>();
    auto opened = OpenRadioPort(m_socket->devicePath());
    QVERIFY(std::holds_alternative<std::unique_ptr<QSerialPort>>(opened));
    m_owner->setPort(std::move(std::get<std::unique_ptr<QSerialPort>>(opened)));
    m_batch = std::make_unique<BatchWriter>(*m_owner);
}

void BatchWriterTest::cleanup()
{
    m_batch.reset();
    m_owner.reset();
    m_socket.reset();
}

BatchWriter::Options BatchWriterTest::fastOptions(int count) const
{
    BatchWriter::Options options;
    options.verify = true;
    options.count = count;
    options.probeInterval = 100ms;
    options.answerWindow = 50ms;
    return options;
}

void BatchWriterTest::swapRadiosAutomatically(std::function<RadioFault(int radio)> faults)
{
    connect(m_batch.get(), &BatchWriter::radioDone, m_socket.get(), [this] { m_socket->unplug(); });
    connect(m_batch.get(), &BatchWriter::stageChanged, m_socket.get(),
            [this, faults](BatchWriter::Stage stage) {
                if (stage == BatchWriter::Stage::WaitingForRadio && !m_socket->plugged())
                    m_socket->plugIn(faults ? faults(m_socket->radioCount() + 1) : RadioFault{});
            });
}

void BatchWriterTest::writesEachRadioOnceAsTheyAreSwapped()
{
    swapRadiosAutomatically();
    QSignalSpy done(m_batch.get(), &BatchWriter::radioDone);
    QSignalSpy finished(m_batch.get(), &BatchWriter::finished);
    QVERIFY(m_batch->start(fastOptions(3)));
    QVERIFY(finished.wait(kWaitMs));

    QCOMPARE(m_batch->tally().written, 3);
    QCOMPARE(m_batch->tally().verified, 3);
    QCOMPARE(m_batch->tally().failed, 0);
    QCOMPARE(done.size(), 3);
    const QByteArray plan = planBytes(*m_owner);
    for (int radio = 0; radio < 3; ++radio) {
        const auto result = done.at(radio).at(0).value<BatchWriter::RadioResult>();
        QCOMPARE(result.number, radio + 1);
        QVERIFY(result.verified);
        QVERIFY(result.line.sent > 0 && result.line.received > 0);
        QVERIFY(holdsPlan(m_socket->radio(radio), plan));
        QCOMPARE(m_socket->writes(radio), 1);
    }
    // The window's commands were taken once and given back once, when the last end has been
    // shown; no operation ended on the window's own account and no message box was shown.
    QTRY_COMPARE_WITH_TIMEOUT(m_owner->commands, QList<bool>({false, true}), kWaitMs);
    QCOMPARE(m_owner->ownEnds, 0);
    QVERIFY(m_owner->messages.isEmpty());
    QCOMPARE(m_batch->stage(), BatchWriter::Stage::Idle);
}

void BatchWriterTest::countsAFailedRadioAndGoesOn()
{
    // Radio 2 acknowledges a block the plan fills without storing it.
    const int address = firstPlannedAddress(planBytes(*m_owner));
    const int block = address - address % kWriteBlockBytes;
    swapRadiosAutomatically([block](int radio) {
        return radio == 2 ? RadioFault{RadioFault::ForgetBlock, 0, block} : RadioFault{};
    });
    QSignalSpy done(m_batch.get(), &BatchWriter::radioDone);
    QSignalSpy finished(m_batch.get(), &BatchWriter::finished);
    QVERIFY(m_batch->start(fastOptions(3)));
    QVERIFY(finished.wait(kWaitMs));

    QCOMPARE(m_batch->tally().written, 2);
    QCOMPARE(m_batch->tally().verified, 2);
    QCOMPARE(m_batch->tally().failed, 1);
    const auto failed = done.at(1).at(0).value<BatchWriter::RadioResult>();
    QVERIFY(!failed.succeeded());
    QCOMPARE(failed.reason, std::optional(LinkText::VerifyMismatch));
    QCOMPARE(failed.steps.firstDifference, std::optional(address));
    QVERIFY(done.at(2).at(0).value<BatchWriter::RadioResult>().succeeded());
    QVERIFY(m_owner->messages.isEmpty());
}

void BatchWriterTest::endsAtItsCountWithoutWaitingForTheUnplug()
{
    m_socket->plugIn();
    QSignalSpy finished(m_batch.get(), &BatchWriter::finished);
    QVERIFY(m_batch->start(fastOptions(1)));
    QVERIFY(finished.wait(kWaitMs));
    QCOMPARE(m_batch->tally().written, 1);
    QVERIFY(m_socket->plugged());
    QCOMPARE(m_batch->stage(), BatchWriter::Stage::Idle);
}

void BatchWriterTest::stopsAtOnceWhileWaitingAndAfterTheRadioWhileWriting()
{
    // Nothing on the cable: the stop ends the batch on the spot.
    QSignalSpy finished(m_batch.get(), &BatchWriter::finished);
    QVERIFY(m_batch->start(fastOptions()));
    // A second probe goes out only once the first has gone unanswered.
    QTRY_VERIFY_WITH_TIMEOUT(m_socket->unheard().count("JV-PROG") >= 2, kWaitMs);
    QCOMPARE(m_batch->stage(), BatchWriter::Stage::WaitingForRadio);
    m_batch->stop();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(m_batch->tally().radios(), 0);
    QCOMPARE(m_owner->commands, QList<bool>({false, true}));

    // A stop asked for while a radio is written lets that radio be finished.
    m_socket->plugIn();
    connect(m_batch.get(), &BatchWriter::stageChanged, m_batch.get(), [this](BatchWriter::Stage stage) {
        if (stage == BatchWriter::Stage::Writing)
            m_batch->stop();
    });
    QVERIFY(m_batch->start(fastOptions()));
    QVERIFY(finished.wait(kWaitMs));
    QCOMPARE(m_batch->tally().written, 1);
    QVERIFY(holdsPlan(m_socket->radio(0), planBytes(*m_owner)));
    // The engine gives the commands back once the write's end has been shown.
    QTRY_COMPARE_WITH_TIMEOUT(m_owner->commands.last(), true, kWaitMs);
}

void BatchWriterTest::asksTheBandQuestionOnceForTheWholeBatch()
{
    // Every radio is of another band than the plan; the backup read finds that out.
    connect(m_batch.get(), &BatchWriter::radioDone, m_socket.get(), [this] { m_socket->unplug(); });
    connect(m_batch.get(), &BatchWriter::stageChanged, m_socket.get(), [this](BatchWriter::Stage stage) {
        if (stage == BatchWriter::Stage::WaitingForRadio && !m_socket->plugged())
            m_socket->plugIn({}, 1);
    });
    m_owner->bandAnswer = false;
    BatchWriter::Options options = fastOptions(2);
    options.backupPath = [this](int band) { return m_backups.filePath(BandText(band) + u".DAT"_s); };
    QSignalSpy done(m_batch.get(), &BatchWriter::radioDone);
    QSignalSpy finished(m_batch.get(), &BatchWriter::finished);
    QVERIFY(m_batch->start(options));
    QVERIFY(finished.wait(kWaitMs));

    QCOMPARE(m_owner->questions, 1);
    QCOMPARE(m_batch->tally().failed, 2);
    for (const QList<QVariant> &signal : done) {
        const auto result = signal.at(0).value<BatchWriter::RadioResult>();
        QCOMPARE(result.outcome, LinkOutcome::Refused);
        QCOMPARE(result.reason, std::optional(LinkText::BandQuestion));
    }
    QCOMPARE(m_socket->writes(0) + m_socket->writes(1), 0);
}

void BatchWriterTest::writesThePlanAsItWasWhenTheBatchStarted()
{
    swapRadiosAutomatically();
    const QByteArray original = planBytes(*m_owner);
    connect(m_batch.get(), &BatchWriter::radioDone, m_owner.get(), [this] { m_owner->plan.band = 2; });
    QSignalSpy finished(m_batch.get(), &BatchWriter::finished);
    QVERIFY(m_batch->start(fastOptions(2)));
    QVERIFY(finished.wait(kWaitMs));
    QCOMPARE(m_batch->tally().written, 2);
    QVERIFY(holdsPlan(m_socket->radio(1), original));
    QCOMPARE(m_owner->questions, 0);
}

void BatchWriterTest::refusesAClosedPort()
{
    m_owner->closePort();
    QVERIFY(!m_batch->start(fastOptions()));
    QCOMPARE(m_owner->messages, QList<LinkText>({LinkText::PortNotOpen}));
    QCOMPARE(m_batch->stage(), BatchWriter::Stage::Idle);
    QVERIFY(m_owner->commands.isEmpty());
}

void BatchWriterTest::stopsWhileTheRadioOnlyAcknowledges()
{
    // The radio answers every identification request with an acknowledgement: the write of it
    // must still come to an end, so that the stop asked for meanwhile takes effect.
    m_socket->plugIn(RadioFault{RadioFault::AckIdent});
    connect(m_batch.get(), &BatchWriter::stageChanged, m_batch.get(), [this](BatchWriter::Stage stage) {
        if (stage == BatchWriter::Stage::Writing)
            m_batch->stop();
    });
    QSignalSpy done(m_batch.get(), &BatchWriter::radioDone);
    QSignalSpy finished(m_batch.get(), &BatchWriter::finished);
    QVERIFY(m_batch->start(fastOptions()));
    QVERIFY(finished.wait(kWaitMs));
    QCOMPARE(m_batch->tally().failed, 1);
    const auto result = done.at(0).at(0).value<BatchWriter::RadioResult>();
    QCOMPARE(result.reason, std::optional(LinkText::CommunicationError));
    QCOMPARE(result.steps.radioMemory, WriteSequence::RadioMemory::Unchanged);
    QCOMPARE(m_batch->ending(), BatchWriter::Ending::Stopped);
    QCOMPARE(m_socket->writes(0), 0);
}

void BatchWriterTest::endsWithThePortLostWhenTheCableGoes()
{
    // The first radio is written; the cable goes while the batch waits for the next one.
    m_socket->plugIn();
    connect(m_batch.get(), &BatchWriter::radioDone, m_socket.get(), [this] { m_socket->unplug(); });
    connect(m_batch.get(), &BatchWriter::stageChanged, this, [this](BatchWriter::Stage stage) {
        if (stage == BatchWriter::Stage::WaitingForRadio && m_socket && !m_socket->plugged())
            m_socket.reset();
    });
    QSignalSpy finished(m_batch.get(), &BatchWriter::finished);
    QVERIFY(m_batch->start(fastOptions(3)));
    QVERIFY(finished.wait(kWaitMs));
    QCOMPARE(m_batch->tally().written, 1);
    QCOMPARE(m_batch->ending(), BatchWriter::Ending::PortLost);
    QCOMPARE(m_batch->stage(), BatchWriter::Stage::Idle);
}

QTEST_GUILESS_MAIN(BatchWriterTest)
#include "batchwritertest.moc"

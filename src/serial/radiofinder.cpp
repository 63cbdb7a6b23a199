#include "radiofinder.h"

#include "radioport.h"
#include "seriallink.h"

#include "link/linkprotocol.h"

#include <QTimer>

using namespace Qt::StringLiterals;

namespace vm280 {

/// One port under the engine's identify-only operation.
class RadioFinder::Probe : public SerialLink
{
public:
    Probe(std::unique_ptr<QSerialPort> port, std::function<void(bool)> ended) : m_ended(std::move(ended))
    {
        setPort(std::move(port));
    }

    bool start() { return engine().startIdentify(); }

    void operationEnded(LinkOutcome outcome) override { m_ended(outcome == LinkOutcome::Success); }

    // Identifying moves no block: there is no plan, no band question and no service mode.
    bool askBandQuestion() override { return false; }
    QByteArray encodeImage() override { return {}; }
    void decodeImage(const QByteArray &) override {}
    int bandSelectorIndex() const override { return 0; }
    void selectBandWithoutPrompt(int) override {}
    bool serviceMode() const override { return false; }

private:
    std::function<void(bool)> m_ended;
};

QString PortFindingText(const PortFinding &finding, const WordChooser &words)
{
    if (finding.radioFound)
        return words(u"VM-280 已应答。", u"A VM-280 answered.");
    return finding.cause ? LinkCauseText(*finding.cause, words) : QString();
}

QString PortFindingWord(const PortFinding &finding, const WordChooser &words)
{
    if (finding.radioFound)
        return u"VM-280"_s;
    if (!finding.cause)
        return QString();
    switch (finding.cause->kind) {
    case LinkCause::NoAnswer:
        return words(u"无应答", u"no answer");
    case LinkCause::NotIdentified:
        return words(u"不是对讲机", u"no radio");
    case LinkCause::OtherModel:
        return words(u"其他型号：%1", u"other model: %1").arg(finding.cause->model);
    case LinkCause::StoppedAnswering:
    case LinkCause::WrongAnswer:
        return words(u"应答出错", u"bad answer");
    case LinkCause::PortLost:
        return words(u"已断开", u"went away");
    case LinkCause::PortNotOpened:
        break;
    }
    return finding.cause->problem ? PortStateText(*finding.cause->problem, words) : QString();
}

RadioFinder::RadioFinder(QObject *parent) : QObject(parent) {}

RadioFinder::~RadioFinder() = default;

bool RadioFinder::start(const PortSlots &ports)
{
    if (m_running)
        return false;
    m_slots = ports;
    m_next = 1;
    m_findings.clear();
    m_running = true;
    m_cancelled = false;
    // Everything is reported from the event loop, after the caller has connected and returned.
    QTimer::singleShot(0, this, &RadioFinder::probeNext);
    return true;
}

void RadioFinder::cancel()
{
    if (!m_running)
        return;
    m_cancelled = true;
    if (m_probe) {
        // Lets a radio that took the handshake out of programming mode again.
        m_probe->sendBytes(QByteArray(1, kEnd));
        m_probe.reset();
    }
    finish();
}

std::optional<PortFinding> RadioFinder::found() const
{
    for (const PortFinding &finding : m_findings) {
        if (finding.radioFound)
            return finding;
    }
    return std::nullopt;
}

void RadioFinder::probeNext()
{
    if (!m_running)
        return;
    while (m_next <= kPortSlotCount && m_slots.devicePath(m_next).isEmpty())
        ++m_next;
    if (m_next > kPortSlotCount) {
        finish();
        return;
    }
    m_current = PortFinding{m_next, m_slots.devicePath(m_next), false, std::nullopt};
    ++m_next;
    emit probing(m_current.portNumber);
    auto opened = OpenRadioPort(m_current.devicePath);
    if (const auto *problem = std::get_if<PortProblem>(&opened)) {
        m_current.cause = OpenFailureCause(m_current.devicePath, *problem);
        record(m_current);
        return;
    }
    m_probe = std::make_unique<Probe>(std::move(std::get<std::unique_ptr<QSerialPort>>(opened)),
                                      [this](bool identified) { probeEnded(identified); });
    m_probe->start();
}

void RadioFinder::probeEnded(bool identified)
{
    m_current.radioFound = identified;
    if (!identified)
        m_current.cause = FailureCause(m_probe->engine().hearing());
    // The engine is still in the call that ended the probe: the port goes once it has returned.
    QTimer::singleShot(0, this, [this] {
        m_probe.reset();
        record(m_current);
    });
}

void RadioFinder::record(PortFinding finding)
{
    if (!m_running)
        return;
    m_findings << finding;
    emit portProbed(finding);
    QTimer::singleShot(0, this, &RadioFinder::probeNext);
}

void RadioFinder::finish()
{
    m_running = false;
    emit finished();
}

} // namespace vm280

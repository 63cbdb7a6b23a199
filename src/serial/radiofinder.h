#pragma once

#include "linkcause.h"
#include "portslots.h"

#include "link/writereport.h"

#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

namespace vm280 {

/// What the radio finder found on one port.
struct PortFinding
{
    int portNumber = 0; ///< the slot, 1 for COM1
    QString devicePath;
    bool radioFound = false;        ///< a VM-280 identified itself
    std::optional<LinkCause> cause; ///< why no VM-280 was found
};

/// The finding as a sentence: "A VM-280 answered.", or the cause ("No answer from the radio.").
QString PortFindingText(const PortFinding &finding, const WordChooser &words);

/// The finding in a word or two, as a list of ports shows it: "VM-280", "no answer", "other
/// model: VM380", "in use", "no permission".
QString PortFindingWord(const PortFinding &finding, const WordChooser &words);

/// Looks for the radio: probes the port of every slot that has one, COM1 first and one at a
/// time, with the handshake and the identification request, and closes each exchange with the
/// end byte. Each probe waits as long as a read would for the radio (the protocol's timeout), so
/// a silent port takes about three seconds. Everything runs on the event loop: the caller stays
/// responsive and may cancel. The ports must not be open elsewhere, or they count as in use.
class RadioFinder : public QObject
{
    Q_OBJECT

public:
    explicit RadioFinder(QObject *parent = nullptr);
    ~RadioFinder() override;

    /// Starts probing the slots' ports; false when a search runs already.
    bool start(const PortSlots &ports);
    /// Ends the search: the port being probed is sent the end byte and closed, and finished()
    /// follows at once. Ports not probed yet get no finding.
    void cancel();

    bool running() const { return m_running; }
    bool cancelled() const { return m_cancelled; }
    /// The findings so far, in slot order.
    const QList<PortFinding> &findings() const { return m_findings; }
    /// The first port where a VM-280 answered, if any did.
    std::optional<PortFinding> found() const;

signals:
    /// The port of slot portNumber is being probed now.
    void probing(int portNumber);
    /// One port's finding; findings() holds it already.
    void portProbed(const vm280::PortFinding &finding);
    /// The search is over: every port probed, or cancelled.
    void finished();

private:
    class Probe;

    void probeNext();
    void probeEnded(bool identified);
    void record(PortFinding finding);
    void finish();

    PortSlots m_slots;
    int m_next = 0;
    QList<PortFinding> m_findings;
    std::unique_ptr<Probe> m_probe;
    PortFinding m_current;
    bool m_running = false;
    bool m_cancelled = false;
};

} // namespace vm280

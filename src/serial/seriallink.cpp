#include "seriallink.h"

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr int kTimer1Interval = 500;
constexpr int kTimer2Interval = 200;

void enable(QTimer &timer, bool enabled)
{
    // Enabling a running timer leaves its rhythm alone, as the engine expects of Timer1.
    if (!enabled)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

} // namespace

SerialLink::SerialLink(QObject *parent) : QObject(parent)
{
    // The timeout is counted in ticks, so each tick should come on time.
    // Children under their own names, so the window's Timer1 and Timer2 can be found.
    m_timer1.setParent(this);
    m_timer2.setParent(this);
    m_timer1.setObjectName(u"Timer1"_s);
    m_timer2.setObjectName(u"Timer2"_s);
    m_timer1.setTimerType(Qt::PreciseTimer);
    m_timer1.setInterval(kTimer1Interval);
    m_timer2.setInterval(kTimer2Interval);
    connect(&m_timer1, &QTimer::timeout, this, [this] { m_engine.timer1Tick(); });
    connect(&m_timer2, &QTimer::timeout, this, [this] { m_engine.timer2Tick(); });
}

SerialLink::~SerialLink()
{
    // The port outlives this object's own part; it must not call back into it while closing.
    if (m_port)
        m_port->disconnect(this);
}

void SerialLink::setPort(std::unique_ptr<QSerialPort> port)
{
    closePort();
    m_port = std::move(port);
    resetLineCounts();
    if (!m_port)
        return;
    connect(m_port.get(), &QSerialPort::readyRead, this, &SerialLink::receiveWaiting);
    connect(m_port.get(), &QSerialPort::errorOccurred, this, &SerialLink::handlePortError);
}

void SerialLink::closePort()
{
    if (m_port)
        m_port->close();
}

QString SerialLink::portLocation() const
{
    return m_port ? m_port->objectName() : QString();
}

bool SerialLink::portIsOpen() const
{
    return m_port && m_port->isOpen();
}

void SerialLink::sendBytes(const QByteArray &frame)
{
    if (!portIsOpen())
        return;
    // Byte by byte, so that one failing write does not keep the rest of the frame back; a
    // frame that does not arrive whole shows up as the radio's silence.
    for (const char byte : frame) {
        if (m_port->write(&byte, 1) == 1)
            ++m_counts.sent;
    }
    m_port->flush();
}

void SerialLink::setTimer1Enabled(bool enabled)
{
    enable(m_timer1, enabled);
}

void SerialLink::setTimer2Enabled(bool enabled)
{
    enable(m_timer2, enabled);
}

void SerialLink::receiveWaiting()
{
    const QByteArray bytes = m_port->readAll();
    m_counts.received += bytes.size();
    m_engine.receive(bytes);
    emit received(bytes);
}

void SerialLink::handlePortError(QSerialPort::SerialPortError error)
{
    // A vanished device reports a resource error; a line that hung up (read gives end of file)
    // a read error, and would report it again at every turn of the event loop.
    const bool lineGone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (!lineGone || !m_port->isOpen())
        return;
    m_port->close();
    emit portLost();
    // The error can be raised while the engine is writing a frame: let that finish first.
    QMetaObject::invokeMethod(
        this, [this] { m_engine.portLost(); }, Qt::QueuedConnection);
}

} // namespace vm280

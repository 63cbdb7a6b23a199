#pragma once

#include "link/linkeffects.h"
#include "link/linkengine.h"

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <memory>

namespace vm280 {

/// Runs the radio's programming protocol over a serial port: hands the engine every byte the
/// port receives and the ticks of Timer1 and Timer2, and puts its frames on the line. The main
/// window and the command line derive from it and provide the rest of the engine's effects.
class SerialLink : public QObject, public LinkEffects
{
    Q_OBJECT

public:
    /// Bytes that went over the line since the port was set or the counts were reset.
    struct LineCounts
    {
        qint64 sent = 0;
        qint64 received = 0;
    };

    explicit SerialLink(QObject *parent = nullptr);
    ~SerialLink() override;

    /// Takes over an open port (OpenRadioPort gives one); the port used so far is closed.
    void setPort(std::unique_ptr<QSerialPort> port);
    /// Closes the port; the read and write commands then find it closed.
    void closePort();

    /// The device of the port set, as OpenRadioPort was given it ("/dev/ttyUSB0"); empty when
    /// there is none.
    QString portLocation() const;

    const LineCounts &lineCounts() const { return m_counts; }
    void resetLineCounts() { m_counts = {}; }

    LinkEngine &engine() { return m_engine; }

    void sendBytes(const QByteArray &frame) override;
    void setTimer1Enabled(bool enabled) override;
    void setTimer2Enabled(bool enabled) override;
    bool portIsOpen() const override;

signals:
    /// Bytes arrived (after the engine was given them).
    void received(const QByteArray &bytes);
    /// The port went away (a USB cable pulled out) and has been closed.
    void portLost();

private:
    void receiveWaiting();
    void handlePortError(QSerialPort::SerialPortError error);

    std::unique_ptr<QSerialPort> m_port;
    LineCounts m_counts;
    QTimer m_timer1;
    QTimer m_timer2;
    LinkEngine m_engine{*this};
};

} // namespace vm280

#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>

namespace vm280 {

/// A pseudo-terminal whose slave device plays the radio's serial port for the PC. The master
/// side stays with us; we also keep the slave open ourselves, so the master does not hang up
/// whenever the PC closes its port between operations.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;
    ~PseudoTerminal();

    /// Creates the pseudo-terminal in raw mode; the reason on failure.
    std::optional<QString> open();
    /// The device path the PC opens.
    const QString &devicePath() const { return m_devicePath; }
    /// The master's descriptor, to wait on for the PC's bytes.
    int masterFd() const { return m_master; }

    /// Everything the PC has written so far.
    QByteArray readAvailable();
    /// Writes bytes towards the PC; bytes the PC's side has no room for are lost, as on a line.
    /// Returns false when not everything was written.
    bool write(QByteArrayView bytes);
    /// Drops what we sent that the PC has not read: bytes sent while its port was closed would
    /// never have reached it on a real line.
    void discardUnread();
    /// Waits, at most limit, until the PC has read everything we sent.
    void waitUntilRead(std::chrono::milliseconds limit) const;
    /// Closes both sides: the PC's port sees the line gone and anything it has not read is lost.
    void hangUp();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_devicePath;
};

} // namespace vm280

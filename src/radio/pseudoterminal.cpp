#include "pseudoterminal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString systemError(const char *step)
{
    return QString::fromLatin1(step) + u": "_s + QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

PseudoTerminal::~PseudoTerminal()
{
    hangUp();
}

std::optional<QString> PseudoTerminal::open()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return systemError("posix_openpt");
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return systemError("grantpt/unlockpt");
    const char *name = ptsname(m_master);
    if (!name)
        return systemError("ptsname");
    m_devicePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return systemError("open slave");
    termios settings{};
    if (tcgetattr(m_slave, &settings) != 0)
        return systemError("tcgetattr");
    cfmakeraw(&settings);
    cfsetspeed(&settings, B9600);
    if (tcsetattr(m_slave, TCSANOW, &settings) != 0)
        return systemError("tcsetattr");
    return std::nullopt;
}

QByteArray PseudoTerminal::readAvailable()
{
    QByteArray bytes;
    char buffer[512];
    for (;;) {
        const ssize_t got = ::read(m_master, buffer, sizeof buffer);
        if (got <= 0)
            break;
        bytes.append(buffer, got);
    }
    return bytes;
}

bool PseudoTerminal::write(QByteArrayView bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(m_master, bytes.data() + written, bytes.size() - written);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        written += put;
    }
    return true;
}

void PseudoTerminal::discardUnread()
{
    if (m_slave >= 0)
        tcflush(m_slave, TCIFLUSH);
}

void PseudoTerminal::waitUntilRead(std::chrono::milliseconds limit) const
{
    // Bytes written to the master reach the slave's queue a moment later, so an empty queue
    // counts only once they have had time to arrive.
    constexpr timespec kPoll{0, 1'000'000};
    constexpr std::chrono::milliseconds kArrival{10};
    const auto start = std::chrono::steady_clock::now();
    int unread = 0;
    for (auto now = start; m_slave >= 0 && now < start + limit; now = std::chrono::steady_clock::now()) {
        if (ioctl(m_slave, FIONREAD, &unread) != 0 || (unread == 0 && now >= start + kArrival))
            return;
        nanosleep(&kPoll, nullptr);
    }
}

void PseudoTerminal::hangUp()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
}

} // namespace vm280

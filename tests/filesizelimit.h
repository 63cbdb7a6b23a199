#pragma once

// A full disk without root: with RLIMIT_FSIZE a few hundred bytes and SIGXFSZ ignored, every
// write that would take a file past the limit fails with EFBIG, as a write to a full disk fails
// with ENOSPC.

#include <QProcess>
#include <csignal>
#include <sys/resource.h>

namespace vm280::test {

/// The size limit of the files this process writes, for the lifetime of the object; the limit
/// before is put back at the end (a process may raise its own soft limit up to the hard one).
class ScopedFileSizeLimit
{
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~ScopedFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit &) = delete;
    ScopedFileSizeLimit &operator=(const ScopedFileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = SIG_DFL;
};

/// Makes the program process starts write no file past bytes, as on a full disk.
inline void limitFileSize(QProcess &process, rlim_t bytes)
{
    process.setChildProcessModifier([bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited{};
        getrlimit(RLIMIT_FSIZE, &limited);
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    });
}

} // namespace vm280::test

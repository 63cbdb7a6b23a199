#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace vm280::test {

/// Ends the test program with a message unless it goes out of scope within the time: a test of
/// something that used to block for ever (opening a pipe, a runaway loop) fails at once with
/// the reason rather than when ctest gives up on it.
class Watchdog
{
public:
    Watchdog(std::string what, std::chrono::seconds limit = std::chrono::seconds(30))
        : m_thread([this, what = std::move(what), limit] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, limit, [this] { return m_disarmed; })) {
                  std::fprintf(stderr, "FAIL: blocked for %llds: %s\n", static_cast<long long>(limit.count()),
                               what.c_str());
                  std::_Exit(EXIT_FAILURE);
              }
          })
    {}
    ~Watchdog()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_disarmed = true;
        }
        m_done.notify_one();
        m_thread.join();
    }
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_disarmed = false;
    std::thread m_thread;
};

} // namespace vm280::test

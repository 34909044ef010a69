#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tandrel::test {

// A real FIFO whose reader would wait for a writer for ever. After `graceMs`
// a guard thread opens and closes the writing end again and again, so a
// reader stuck on it gets end-of-file and the test ends (and fails through
// sprung()) instead of hanging.
class FifoTrap {
public:
    explicit FifoTrap(QString path, int graceMs = 3000) : m_path(std::move(path))
    {
        m_made = ::mkfifo(QFile::encodeName(m_path).constData(), 0600) == 0;
        m_guard = std::thread([this, graceMs] { guard(graceMs); });
    }
    ~FifoTrap()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_guard.join();
    }
    FifoTrap(const FifoTrap&) = delete;
    FifoTrap& operator=(const FifoTrap&) = delete;

    bool made() const { return m_made; }
    const QString& path() const { return m_path; }
    // Whether a reader was still waiting on the FIFO after the grace time.
    bool sprung() const { return m_sprung; }

private:
    void guard(int graceMs)
    {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_for(lock, std::chrono::milliseconds(graceMs), [this] { return m_stop; }))
            return;
        const QByteArray name = QFile::encodeName(m_path);
        while (!m_stop) {
            // Succeeds only while somebody has the reading end open.
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                m_sprung = true;
                ::close(fd);
            }
            m_wake.wait_for(lock, std::chrono::milliseconds(20), [this] { return m_stop; });
        }
    }

    QString m_path;
    bool m_made = false;
    std::atomic<bool> m_sprung{false};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_guard;
};

} // namespace tandrel::test

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// One GET of a text page: the headers the maker's server expects, redirects
// followed up to 3, cookies kept in memory for the request, no proxy.
struct MHttpRequest {
    QString Url;
    QString Referer;
    int ConnectTimeoutMs = 10000;
    int TimeoutMs = 30000;
    qsizetype MaxBody = 64 * 1024; // a longer body is a failure
};

struct MHttpResult {
    bool Ok = false;
    int Status = 0;
    QByteArray Body;
    QString Detail; // why it failed, for the curious; the user sees one message
};

// Blocking; returns early with a failure once `cancel` becomes true.
MHttpResult HttpGet(const MHttpRequest& request, const std::atomic<bool>* cancel = nullptr);

// Runs HttpGet on a worker thread and hands the result to `done` on the
// thread that owns this object. Destroying it cancels a running request
// and waits for the worker.
class MHttpFetch : public QObject {
    Q_OBJECT
public:
    explicit MHttpFetch(QObject* parent = nullptr);
    ~MHttpFetch() override;

    // False while a request is running (nothing is started then).
    bool Start(const MHttpRequest& request, std::function<void(const MHttpResult&)> done);
    bool Busy() const { return m_busy; }

private:
    void Join();

    std::thread m_worker;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    bool m_busy = false;
};

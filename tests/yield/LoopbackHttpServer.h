#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

// A small HTTP server on 127.0.0.1 and a free port, on its own thread. The
// test chooses each path's reply; a stalled path accepts the request and
// never answers. Every request head is recorded.
class LoopbackHttpServer {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    int Port() const { return m_port; }
    QString Root() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

    // A whole reply: status line, headers and body.
    static QByteArray Response(int status, const QByteArray& body, const QList<QByteArray>& headers = {});
    void Reply(const QByteArray& path, const QByteArray& response);
    void Stall(const QByteArray& path);

    QList<QByteArray> Requests() const;

private:
    void Run();
    void Serve(int client);

    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    QMap<QByteArray, QByteArray> m_replies;
    QList<QByteArray> m_stalled;
    QList<QByteArray> m_requests;
    std::vector<int> m_open; // stalled connections, closed at the end
    std::thread m_thread;
};

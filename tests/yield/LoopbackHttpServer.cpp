#include "tests/yield/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

LoopbackHttpServer::LoopbackHttpServer()
{
    m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
    const int yes = 1;
    ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    ::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::listen(m_listen, 16);
    socklen_t len = sizeof addr;
    ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len);
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this] { Run(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    m_stop = true;
    m_thread.join();
    for (int fd : m_open)
        ::close(fd);
    ::close(m_listen);
}

QByteArray LoopbackHttpServer::Response(int status, const QByteArray& body, const QList<QByteArray>& headers)
{
    QByteArray r = "HTTP/1.1 " + QByteArray::number(status) + (status < 300 ? " OK" : status < 400 ? " Found" : " Error") + "\r\n";
    r += "Content-Type: text/plain\r\nConnection: close\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
    for (const QByteArray& h : headers)
        r += h + "\r\n";
    return r + "\r\n" + body;
}

void LoopbackHttpServer::Reply(const QByteArray& path, const QByteArray& response)
{
    std::lock_guard lock(m_mutex);
    m_replies[path] = response;
    m_stalled.removeAll(path);
}

void LoopbackHttpServer::Stall(const QByteArray& path)
{
    std::lock_guard lock(m_mutex);
    m_replies.remove(path);
    m_stalled << path;
}

QList<QByteArray> LoopbackHttpServer::Requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void LoopbackHttpServer::Run()
{
    while (!m_stop) {
        pollfd p{m_listen, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0)
            continue;
        const int client = ::accept(m_listen, nullptr, nullptr);
        if (client >= 0)
            Serve(client);
    }
}

void LoopbackHttpServer::Serve(int client)
{
    QByteArray head;
    while (!head.contains("\r\n\r\n") && !m_stop) {
        pollfd p{client, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0)
            continue;
        char buf[4096];
        const ssize_t n = ::recv(client, buf, sizeof buf, 0);
        if (n <= 0)
            break;
        head.append(buf, n);
    }
    const QByteArray path = head.split(' ').value(1);
    QByteArray reply;
    bool stall = false;
    {
        std::lock_guard lock(m_mutex);
        m_requests << head;
        stall = m_stalled.contains(path);
        reply = m_replies.value(path, Response(404, "nicht gefunden"));
        if (stall)
            m_open.push_back(client);
    }
    if (stall)
        return;
    qsizetype sent = 0;
    while (sent < reply.size()) {
        const ssize_t n = ::send(client, reply.constData() + sent, size_t(reply.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += n;
    }
    ::shutdown(client, SHUT_WR);
    ::close(client);
}

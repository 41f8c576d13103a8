#include "UdpServer.h"

#include "core/Logging.h"

#include <QElapsedTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int KernelBuffer = 4 * 1024 * 1024;
// What the queue may hold before new datagrams are dropped.
constexpr qint64 QueueLimit = 64 * 1024 * 1024;
// Per turn of the event loop, at most this many datagrams or this long.
constexpr int BatchCount = 256;
constexpr qint64 BatchNanoseconds = 8 * 1000 * 1000;

// A socket bound to the port on every address of the family, without
// address reuse; -1 with errno set on failure.
int bindAny(int family, quint16 port)
{
    const int fd = ::socket(family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    int ok;
    if (family == AF_INET6) {
        const int on = 1;
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on);
        sockaddr_in6 a{};
        a.sin6_family = AF_INET6;
        a.sin6_port = htons(port);
        a.sin6_addr = in6addr_any;
        ok = ::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a);
    } else {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_ANY);
        ok = ::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a);
    }
    if (ok != 0) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return -1;
    }
    int size = KernelBuffer;
    // The forced variant passes the system's cap where we may; else take what is allowed.
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &size, sizeof size) != 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    return fd;
}

} // namespace

UdpServer::UdpServer(quint16 port, QObject *parent) : QObject(parent), m_port(port) {}

UdpServer::~UdpServer()
{
    deactivate();
}

QString UdpServer::addressInUseText()
{
    return QStringLiteral("Could not bind socket. Address and port are already in use.");
}

void UdpServer::activate()
{
    if (isActive())
        return;
    const int v4 = bindAny(AF_INET, m_port);
    if (v4 < 0) {
        const int error = errno;
        throw std::runtime_error(error == EADDRINUSE ? addressInUseText().toStdString() : std::strerror(error));
    }
    m_fds.push_back(v4);
    // No IPv6 here, or the port is taken on IPv6 only: IPv4 is enough.
    const int v6 = bindAny(AF_INET6, m_port);
    if (v6 >= 0)
        m_fds.push_back(v6);
    if (::pipe2(m_wake, O_CLOEXEC) != 0) {
        const int error = errno;
        for (int fd : m_fds)
            ::close(fd);
        m_fds.clear();
        throw std::runtime_error(std::strerror(error));
    }
    m_reader = std::thread([this] { readLoop(); });
}

void UdpServer::deactivate()
{
    if (!isActive())
        return;
    const char stop = 1;
    (void)!::write(m_wake[1], &stop, 1);
    m_reader.join();
    for (int fd : m_fds)
        ::close(fd);
    m_fds.clear();
    ::close(m_wake[0]);
    ::close(m_wake[1]);
    m_wake[0] = m_wake[1] = -1;
    std::lock_guard lock(m_mutex);
    m_queue.clear();
    m_queuedBytes = 0;
    m_deliveryPosted = false;
}

void UdpServer::readLoop()
{
    std::vector<pollfd> polls;
    for (int fd : m_fds)
        polls.push_back({fd, POLLIN, 0});
    polls.push_back({m_wake[0], POLLIN, 0});
    QByteArray buffer(65536, Qt::Uninitialized);
    for (;;) {
        if (::poll(polls.data(), polls.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (polls.back().revents)
            return;
        for (size_t i = 0; i + 1 < polls.size(); ++i) {
            if (!(polls[i].revents & POLLIN))
                continue;
            // Drain what this socket holds now.
            for (;;) {
                const ssize_t n = ::recv(polls[i].fd, buffer.data(), size_t(buffer.size()), MSG_DONTWAIT);
                if (n < 0)
                    break; // EAGAIN, or an error report such as port unreachable: nothing to hand out
                bool post = false;
                {
                    std::lock_guard lock(m_mutex);
                    if (m_queuedBytes + n > QueueLimit) {
                        ++m_dropped;
                        // Said on the owner's thread, once per turn of its event loop.
                        if (!m_dropNoticePosted.exchange(true))
                            QMetaObject::invokeMethod(this, &UdpServer::noticeDrops, Qt::QueuedConnection);
                        continue;
                    }
                    m_queue.emplace_back(buffer.constData(), qsizetype(n));
                    m_queuedBytes += n;
                    post = !m_deliveryPosted;
                    m_deliveryPosted = true;
                }
                if (post)
                    QMetaObject::invokeMethod(this, &UdpServer::deliver, Qt::QueuedConnection);
            }
        }
    }
}

void UdpServer::noticeDrops()
{
    m_dropNoticePosted = false;
    qCInfo(lcDsc) << m_dropped.load() << "datagrams dropped so far on port" << m_port << ": the receive queue was full";
    emit datagramsDropped(m_dropped.load());
}

void UdpServer::deliver()
{
    QElapsedTimer clock;
    clock.start();
    for (int handed = 0;; ++handed) {
        QByteArray data;
        {
            std::lock_guard lock(m_mutex);
            if (m_queue.empty()) {
                m_deliveryPosted = false;
                return;
            }
            if (handed >= BatchCount || clock.nsecsElapsed() > BatchNanoseconds) {
                // Let the window breathe; the rest follows in the next turn.
                QMetaObject::invokeMethod(this, &UdpServer::deliver, Qt::QueuedConnection);
                return;
            }
            data = std::move(m_queue.front());
            m_queue.pop_front();
            m_queuedBytes -= data.size();
        }
        emit datagramReceived(data);
        if (!isActive())
            return; // a handler switched reception off
    }
}

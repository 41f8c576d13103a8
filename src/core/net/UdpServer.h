#pragma once

#include <QByteArray>
#include <QObject>
#include <atomic>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// UDP receiver on one port of every local IPv4 address and, where the host
// has IPv6, every IPv6 address. The port is not shared: a second server on
// the same host fails to bind.
//
// A reader thread only moves datagrams from the kernel into a queue, so a
// burst is not dropped when the kernel's buffer is small (unprivileged users
// cannot raise it far). The datagrams are handed out on the thread that owns
// the server, through its event loop, one at a time and in arrival order, a
// bounded number per turn so the window stays responsive during a flood.
class UdpServer : public QObject
{
    Q_OBJECT
public:
    explicit UdpServer(quint16 port, QObject *parent = nullptr);
    ~UdpServer() override;

    quint16 port() const { return m_port; }
    bool isActive() const { return !m_fds.empty(); }

    // Binds and starts reading; throws std::runtime_error with the platform's
    // text when the port is held by someone else.
    void activate();
    void deactivate();

    // Datagrams dropped because the queue was over its limit.
    quint64 dropped() const { return m_dropped; }

    static QString addressInUseText();

signals:
    void datagramReceived(const QByteArray &data);
    // Datagrams were dropped since the last time it said so: total is the count so far.
    void datagramsDropped(quint64 total);

private:
    void readLoop();
    void deliver();
    void noticeDrops();

    quint16 m_port;
    std::vector<int> m_fds;
    int m_wake[2] = {-1, -1};
    std::thread m_reader;

    std::mutex m_mutex;
    std::deque<QByteArray> m_queue; // guarded by m_mutex
    qint64 m_queuedBytes = 0;       // guarded by m_mutex
    bool m_deliveryPosted = false;  // guarded by m_mutex
    std::atomic<quint64> m_dropped{0};
    std::atomic<bool> m_dropNoticePosted{false};
};

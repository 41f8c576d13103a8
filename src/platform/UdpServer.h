#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <stdexcept>

class QUdpSocket;

// UDP receiver on one port of every local IPv4 address and, where the host
// has IPv6, every IPv6 address. The port is not shared: a second server on
// the same host fails to bind. Datagrams arrive through the event loop of the
// thread that owns the server, one at a time, in arrival order.
class UdpServer : public QObject
{
    Q_OBJECT
public:
    explicit UdpServer(quint16 port, QObject *parent = nullptr);
    ~UdpServer() override;

    quint16 port() const { return m_port; }
    bool isActive() const { return !m_sockets.isEmpty(); }

    // Binds; throws std::runtime_error with the platform's text when the
    // port is held by someone else.
    void activate();
    void deactivate();

    static QString addressInUseText();

signals:
    void datagramReceived(const QByteArray &data);

private:
    void readPending(QUdpSocket *socket);

    quint16 m_port;
    QList<QUdpSocket *> m_sockets;
};

#pragma once

#include <QObject>
#include <QString>

#include "SocketError.h"

class QUdpSocket;

// UDP sender of text datagrams (7-bit ASCII). Its IPv4 socket is made at the
// first send, bound to any address and a port the system picks, and kept.
// Broadcast permission is on only while a broadcast is being sent.
class UdpClient : public QObject
{
    Q_OBJECT
public:
    explicit UdpClient(QObject *parent = nullptr);

    // Resolves host to an IPv4 address and sends text there. Throws SocketError.
    void send(const QString &host, quint16 port, const QString &text);
    // Sends text to 255.255.255.255. Throws SocketError.
    void broadcast(quint16 port, const QString &text);

    // The local port, 0 before the first send.
    quint16 localPort() const;

private:
    QUdpSocket *socket();
    void write(const QByteArray &bytes, const class QHostAddress &to, quint16 port);

    QUdpSocket *m_socket = nullptr;
};

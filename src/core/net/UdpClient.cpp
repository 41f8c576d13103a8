#include "UdpClient.h"

#include "core/text/Ascii.h"

#include <QHostInfo>
#include <QUdpSocket>
#include <sys/socket.h>

UdpClient::UdpClient(QObject *parent) : QObject(parent) {}

namespace {
void setBroadcast(QUdpSocket *socket, bool on)
{
    const int value = on ? 1 : 0;
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_BROADCAST, &value, sizeof value);
}
} // namespace

QUdpSocket *UdpClient::socket()
{
    if (m_socket)
        return m_socket;
    auto *s = new QUdpSocket(this);
    if (!s->bind(QHostAddress::AnyIPv4, 0)) {
        const QString why = s->errorString();
        delete s;
        throw SocketError(why);
    }
    // Qt turns broadcasting on for every UDP socket; this one asks for it per send.
    setBroadcast(s, false);
    m_socket = s;
    return m_socket;
}

quint16 UdpClient::localPort() const
{
    return m_socket ? m_socket->localPort() : 0;
}

void UdpClient::write(const QByteArray &bytes, const QHostAddress &to, quint16 port)
{
    QUdpSocket *s = socket();
    if (s->writeDatagram(bytes, to, port) != bytes.size())
        throw SocketError(s->errorString());
}

void UdpClient::send(const QString &host, quint16 port, const QString &text)
{
    QHostAddress address;
    if (!address.setAddress(host)) {
        const QHostInfo info = QHostInfo::fromName(host);
        for (const QHostAddress &a : info.addresses()) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                address = a;
                break;
            }
        }
        if (address.isNull())
            throw SocketError(info.error() != QHostInfo::NoError ? info.errorString()
                                                                 : QStringLiteral("Host not found: %1").arg(host));
    }
    write(ascii_encode(text), address, port);
}

void UdpClient::broadcast(quint16 port, const QString &text)
{
    QUdpSocket *s = socket();
    setBroadcast(s, true);
    try {
        write(ascii_encode(text), QHostAddress::Broadcast, port);
    } catch (...) {
        setBroadcast(s, false);
        throw;
    }
    setBroadcast(s, false);
}

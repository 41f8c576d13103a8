#include "UdpServer.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <sys/socket.h>

namespace {
// Large enough that a burst of calls waits in the kernel instead of being dropped.
constexpr int ReceiveBuffer = 4 * 1024 * 1024;

void enlargeReceiveBuffer(QUdpSocket *socket)
{
    const int fd = int(socket->socketDescriptor());
    int size = ReceiveBuffer;
    // The forced variant passes the system's cap where we may; else take what is allowed.
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &size, sizeof size) != 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
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
    auto *v4 = new QUdpSocket(this);
    // No address sharing: Qt's default on Unix would let a second station bind silently.
    if (!v4->bind(QHostAddress::AnyIPv4, m_port, QAbstractSocket::DontShareAddress)) {
        const bool inUse = v4->error() == QAbstractSocket::AddressInUseError;
        const QString why = v4->errorString();
        delete v4;
        throw std::runtime_error((inUse ? addressInUseText() : why).toStdString());
    }
    m_sockets << v4;
    auto *v6 = new QUdpSocket(this);
    if (v6->bind(QHostAddress::AnyIPv6, m_port, QAbstractSocket::DontShareAddress))
        m_sockets << v6;
    else
        delete v6; // no IPv6 here, or the port is taken on IPv6 only: IPv4 is enough
    for (QUdpSocket *s : std::as_const(m_sockets)) {
        enlargeReceiveBuffer(s);
        connect(s, &QUdpSocket::readyRead, this, [this, s] { readPending(s); });
    }
}

void UdpServer::deactivate()
{
    qDeleteAll(m_sockets);
    m_sockets.clear();
}

void UdpServer::readPending(QUdpSocket *socket)
{
    while (socket->hasPendingDatagrams()) {
        const qint64 size = socket->pendingDatagramSize();
        QByteArray data(qMax<qint64>(size, 0), Qt::Uninitialized);
        const qint64 got = socket->readDatagram(data.data(), data.size());
        if (got < 0)
            break;
        data.resize(got);
        emit datagramReceived(data);
    }
}

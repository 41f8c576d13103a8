#include "VoiceReceiver.h"

#include "VoiceLogging.h"
#include "VoicePacket.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

VoiceReceiver::VoiceReceiver(QObject *parent) : AudioStage(parent) {}

bool VoiceReceiver::doOpen()
{
    // Port 0 would bind wherever the system likes, and hear nothing of the channel.
    if (m_port == 0)
        return false;
    m_received = 0;
    m_locked = false;
    m_socket = new QUdpSocket(this);
    QHostAddress bind(QHostAddress::AnyIPv4);
    if (!m_bind.isEmpty() && m_bind != QLatin1String("0.0.0.0"))
        bind = QHostAddress(m_bind);
    // Shared, so that a receiver reopened at once, or another program on the
    // channel, does not keep this one from its port.
    if (!m_socket->bind(bind, m_port, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        delete m_socket;
        m_socket = nullptr;
        return false;
    }
    connect(m_socket, &QUdpSocket::readyRead, this, &VoiceReceiver::readPending);
    return true;
}

void VoiceReceiver::doClose()
{
    delete m_socket;
    m_socket = nullptr;
}

void VoiceReceiver::readPending()
{
    while (m_socket && m_socket->hasPendingDatagrams()) {
        QByteArray data(int(qMax<qint64>(m_socket->pendingDatagramSize(), 0)), Qt::Uninitialized);
        const qint64 got = m_socket->readDatagram(data.data(), data.size());
        if (got < 0)
            break;
        data.resize(got);
        receive(data);
    }
}

void VoiceReceiver::receive(const QByteArray &datagram)
{
    const std::optional<voice_packet::Parsed> packet = voice_packet::parse(datagram);
    if (!packet) {
        ++m_dropped;
        qCDebug(lcVoice) << "dropped a voice datagram of" << datagram.size() << "bytes on port" << m_port;
        return;
    }
    if (!m_clock.isValid())
        m_clock.start();
    const qint64 now = m_clock.elapsed();
    if (m_locked && packet->stream != m_spurt && now - m_lastPacket < HoldMilliseconds) {
        ++m_refused;
        return;
    }
    m_locked = true;
    m_spurt = packet->stream;
    m_lastPacket = now;
    ++m_received;
    passOn({packet->blocks.join(), packet->format, packet->stream, packet->sequence});
}

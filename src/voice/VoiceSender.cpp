#include "VoiceSender.h"

#include "VoicePacket.h"

#include <QRandomGenerator>
#include <QUdpSocket>

VoiceSender::VoiceSender(QObject *parent) : AudioStage(parent) {}

bool VoiceSender::doOpen()
{
    if (m_port == 0)
        return false;
    m_socket = new QUdpSocket(this);
    const QHostAddress bind = m_bind.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(m_bind);
    if (!m_socket->bind(bind, 0)) {
        delete m_socket;
        m_socket = nullptr;
        return false;
    }
    m_stream = quint16(QRandomGenerator::global()->bounded(1, 65536));
    m_sequence = 0;
    return true;
}

void VoiceSender::doClose()
{
    delete m_socket;
    m_socket = nullptr;
}

void VoiceSender::write(const AudioChunk &chunk)
{
    if (!m_socket || chunk.format.formatTag != format_tag::Gsm610)
        return;
    const QByteArray packet = voice_packet::build(m_stream, m_sequence, chunk.format, chunk.data);
    m_sequence += quint32(chunk.data.size() / voice_packet::GsmBlockSize);
    if (m_socket->writeDatagram(packet, m_destination, m_port) == packet.size())
        ++m_sent;
}

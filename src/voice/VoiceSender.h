#pragma once

#include <QHostAddress>

#include "AudioStage.h"

class QUdpSocket;

// Sends the codec blocks it is fed as voice datagrams to the broadcast
// address on its port. Every opening starts a new talk spurt.
class VoiceSender : public AudioStage
{
    Q_OBJECT
public:
    explicit VoiceSender(QObject *parent = nullptr);

    // 0: no port; the sender does not open.
    quint16 port() const { return m_port; }
    void setPort(quint16 port) { m_port = port; }
    QString bindAddress() const { return m_bind; }
    void setBindAddress(const QString &address) { m_bind = address; }
    // 255.255.255.255 unless told otherwise (loopback benchmarks).
    void setDestination(const QHostAddress &address) { m_destination = address; }

    quint64 packetsSent() const { return m_sent.load(); }

    void write(const AudioChunk &chunk) override;

protected:
    bool doOpen() override;
    void doClose() override;

private:
    quint16 m_port = 17000;
    QString m_bind = QStringLiteral("0.0.0.0");
    QHostAddress m_destination = QHostAddress::Broadcast;
    QUdpSocket *m_socket = nullptr;
    quint16 m_stream = 0;
    quint32 m_sequence = 0;
    std::atomic<quint64> m_sent{0};
};

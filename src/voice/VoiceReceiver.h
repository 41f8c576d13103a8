#pragma once

#include "AudioStage.h"

class QUdpSocket;

// Receives voice datagrams on its port and passes their blocks on. Packets
// that are not well-formed voice datagrams are counted and dropped.
class VoiceReceiver : public AudioStage
{
    Q_OBJECT
public:
    explicit VoiceReceiver(QObject *parent = nullptr);

    QString port() const { return QString::number(m_port); }
    void setPort(const QString &port) { m_port = quint16(port.toUInt()); }
    // Empty: every local address.
    QString bindAddress() const { return m_bind; }
    void setBindAddress(const QString &address) { m_bind = address; }

    // Voice packets received since the stream was opened.
    int packetsReceived() const { return m_received.load(); }
    quint64 packetsDropped() const { return m_dropped.load(); }

    // The receive path for one datagram (the socket's, and tests').
    void receive(const QByteArray &datagram);

protected:
    bool doOpen() override;
    void doClose() override;

private:
    void readPending();

    quint16 m_port = 17016;
    QString m_bind;
    QUdpSocket *m_socket = nullptr;
    std::atomic<int> m_received{0};
    std::atomic<quint64> m_dropped{0};
};

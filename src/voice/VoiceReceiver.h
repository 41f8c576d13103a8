#pragma once

#include "AudioStage.h"

#include <QElapsedTimer>

class QUdpSocket;

// Receives voice datagrams on its port and passes their blocks on. Packets
// that are not well-formed voice datagrams are counted and dropped.
//
// Like a radio receiver it locks onto the first carrier: while a talk spurt
// runs (a packet of it within the last HoldMilliseconds), packets of other
// spurts are counted and dropped, so nobody can take over a channel by
// sending spurts of his own; the channel frees when the spurt ends.
class VoiceReceiver : public AudioStage
{
    Q_OBJECT
public:
    explicit VoiceReceiver(QObject *parent = nullptr);

    // 0: no port; the receiver does not open.
    quint16 port() const { return m_port; }
    void setPort(quint16 port) { m_port = port; }
    // Empty: every local address.
    QString bindAddress() const { return m_bind; }
    void setBindAddress(const QString &address) { m_bind = address; }

    static constexpr int HoldMilliseconds = 200;

    // Voice packets received since the stream was opened.
    int packetsReceived() const { return m_received.load(); }
    quint64 packetsDropped() const { return m_dropped.load(); }
    // Well-formed packets of another spurt while one was running.
    quint64 packetsRefused() const { return m_refused.load(); }

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
    std::atomic<quint64> m_refused{0};
    QElapsedTimer m_clock;
    bool m_locked = false;
    quint16 m_spurt = 0;
    qint64 m_lastPacket = 0; // ms on m_clock
};

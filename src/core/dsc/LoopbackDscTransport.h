#pragma once

#include "DscTransport.h"

class LoopbackNetwork;

// A transport on an in-process network: what it sends in either mode
// reaches the transports of that network on the destination port.
class LoopbackDscTransport : public DscTransport
{
    Q_OBJECT
public:
    // network outlives the transport; port: where it receives.
    explicit LoopbackDscTransport(LoopbackNetwork &network, quint16 port, QObject *parent = nullptr);
    ~LoopbackDscTransport() override;

    quint16 port() const { return m_port; }

    void send(const DscDestination &to, const QString &text) override;
    void startReceiving() override { m_receiving = true; }
    void stopReceiving() override { m_receiving = false; }
    bool isReceiving() const override { return m_receiving; }

private:
    LoopbackNetwork &m_network;
    quint16 m_port;
    bool m_receiving = false;
};

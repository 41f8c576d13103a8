#pragma once

#include "DscTransport.h"
#include "core/net/UdpClient.h"
#include "core/net/UdpServer.h"

// DSC over UDP: local-mode datagrams to this host by name, network-mode
// datagrams to the broadcast address; reception on the receive port.
class UdpDscTransport : public DscTransport
{
    Q_OBJECT
public:
    explicit UdpDscTransport(QObject *parent = nullptr);

    void send(const DscDestination &to, const QString &text) override;
    void startReceiving() override;
    void stopReceiving() override;
    bool isReceiving() const override;

    UdpClient &client() { return m_client; }
    UdpServer &server() { return m_server; }

private:
    UdpClient m_client;
    UdpServer m_server;
};

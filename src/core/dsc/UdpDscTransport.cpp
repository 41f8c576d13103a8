#include "UdpDscTransport.h"

#include "DscProtocol.h"
#include "core/Logging.h"

UdpDscTransport::UdpDscTransport(QObject *parent)
    : DscTransport(parent), m_client(this), m_server(dsc::ReceivePort, this)
{
    connect(&m_server, &UdpServer::datagramReceived, this, &DscTransport::datagramReceived);
    connect(&m_server, &UdpServer::datagramsDropped, this, &DscTransport::datagramsDropped);
}

void UdpDscTransport::send(const DscDestination &to, const QString &text)
{
    qCDebug(lcDsc) << (to.broadcast ? "broadcast to" : "local to") << to.port << text;
    if (to.broadcast)
        m_client.broadcast(to.port, text);
    else
        m_client.send(QString(dsc::LocalHost), to.port, text);
}

void UdpDscTransport::startReceiving()
{
    m_server.activate();
}

void UdpDscTransport::stopReceiving()
{
    m_server.deactivate();
}

bool UdpDscTransport::isReceiving() const
{
    return m_server.isActive();
}

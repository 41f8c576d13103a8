#include "LoopbackDscTransport.h"

#include "LoopbackNetwork.h"
#include "core/text/Ascii.h"

LoopbackDscTransport::LoopbackDscTransport(LoopbackNetwork &network, quint16 port, QObject *parent)
    : DscTransport(parent), m_network(network), m_port(port)
{
    m_network.m_transports.append(this);
}

LoopbackDscTransport::~LoopbackDscTransport()
{
    m_network.m_transports.removeAll(this);
}

void LoopbackDscTransport::send(const DscDestination &to, const QString &text)
{
    m_network.deliver(to.port, ascii_encode(text));
}

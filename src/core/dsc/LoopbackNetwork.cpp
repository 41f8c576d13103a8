#include "LoopbackNetwork.h"

#include "LoopbackDscTransport.h"

#include <QPointer>

void LoopbackNetwork::deliver(quint16 port, const QByteArray &data)
{
    for (LoopbackDscTransport *transport : std::as_const(m_transports)) {
        if (transport->port() != port)
            continue;
        // Later, as a datagram would arrive; the transport may be gone by then.
        QPointer<LoopbackDscTransport> to(transport);
        QMetaObject::invokeMethod(
            transport,
            [to, data] {
                if (to && to->isReceiving())
                    emit to->datagramReceived(data);
            },
            Qt::QueuedConnection);
    }
}

#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

class LoopbackDscTransport;

// One host's DSC traffic inside this process, for stations that need no
// sockets: every datagram sent to a port reaches, through the event loop,
// each transport receiving on that port.
class LoopbackNetwork : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    void deliver(quint16 port, const QByteArray &data);

private:
    friend class LoopbackDscTransport;
    QList<LoopbackDscTransport *> m_transports;
};

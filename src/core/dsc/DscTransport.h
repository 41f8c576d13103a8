#pragma once

#include <QByteArray>
#include <QObject>

#include "DatagramWriter.h"

// Where a station's DSC datagrams go and come from. Datagrams are handed
// out on the thread that owns the transport, one at a time, in arrival order.
class DscTransport : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Sends text; throws SocketError when the network refuses it.
    virtual void send(const DscDestination &to, const QString &text) = 0;
    // Starts receiving on the DSC receive port; throws std::runtime_error
    // with the reason when the port cannot be had.
    virtual void startReceiving() = 0;
    virtual void stopReceiving() = 0;
    virtual bool isReceiving() const = 0;

signals:
    void datagramReceived(const QByteArray &data);
    // Datagrams lost before they could be handled (the station could not keep
    // up); total is the count since the start.
    void datagramsDropped(quint64 total);
};

#pragma once

#include "core/text/Ascii.h"

#include <QStringList>
#include <QTest>
#include <QUdpSocket>

// Another station played by a raw socket on 127.0.0.1: it listens on one port.
struct PeerListener
{
    QUdpSocket socket;
    quint16 port;
    explicit PeerListener(quint16 p) : port(p)
    {
        if (!socket.bind(QHostAddress::LocalHost, p))
            qWarning("cannot listen on %d: %s", p, qPrintable(socket.errorString()));
    }

    // Everything that has arrived up to a marker datagram sent to ourselves
    // now: loopback keeps the order, so nothing sent before it is missed.
    QStringList drain()
    {
        QUdpSocket poke;
        poke.writeDatagram("--end--", QHostAddress::LocalHost, port);
        QStringList got;
        for (;;) {
            if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(2000))
                return got << "<timeout>";
            QByteArray data(int(socket.pendingDatagramSize()), Qt::Uninitialized);
            socket.readDatagram(data.data(), data.size());
            if (data == "--end--")
                return got;
            got << ascii_decode(data);
        }
    }
};

// The same text with the INFO1 item before the CATEGORY item.
inline QString alternate_order(const QString &standard)
{
    QStringList items = standard.split(u',');
    const qsizetype c = items.indexOf(QRegularExpression(QStringLiteral("^CATEGORY=.*")));
    const qsizetype i = items.indexOf(QRegularExpression(QStringLiteral("^INFO1=.*")));
    if (c >= 0 && i >= 0)
        items.swapItemsAt(c, i);
    return items.join(u',');
}

// Spaces written as '·' for legibility.
inline QString dots(const char *text)
{
    return QString::fromUtf8(text).replace(QChar(0x00B7), u' ');
}

#include "LocalAddresses.h"

#include <QHostInfo>

QStringList local_ipv4_addresses()
{
    QStringList out;
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress &address : info.addresses()) {
        if (address.protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        const QString text = address.toString();
        if (!out.contains(text))
            out << text;
    }
    return out;
}

QStringList bind_address_list()
{
    return QStringList{QStringLiteral("0.0.0.0")} + local_ipv4_addresses();
}

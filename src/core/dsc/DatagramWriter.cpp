#include "DatagramWriter.h"

#include "DscProtocol.h"

QString datagram_text(DscWriter writer, const DscCall &record, const QString &stationMmsi, KeyOrder order)
{
    const bool plain = writer == DscWriter::Plain;
    const bool full = writer == DscWriter::Full;
    auto fill = [plain](const QString &value, const char *filler) {
        return plain ? QString::fromLatin1(filler) : value;
    };
    const QString category = QStringLiteral("CATEGORY=") + record.CATEGORY.str();
    const QString info = QStringLiteral("INFO1=") + record.INFO1.str();
    QStringList items{
        QStringLiteral("TXMMSI=") + (full ? record.TXMMSI.str() : stationMmsi),
        QStringLiteral("RXMMSI=") + record.RXMMSI.str(),
        QStringLiteral("FORMAT=") + record.FORMAT.str(),
        order == KeyOrder::Standard ? category : info,
        order == KeyOrder::Standard ? info : category,
        QStringLiteral("DANGER=") + (full ? record.DANGER.str() : QString(dsc::NoNature)),
        QStringLiteral("LATD=") + fill(record.LATD, "99"),
        QStringLiteral("LATM=") + fill(record.LATM, "99"),
        QStringLiteral("LATC=") + fill(record.LATC, "999"),
        QStringLiteral("NS=") + fill(record.NS, "N"),
        QStringLiteral("LOND=") + fill(record.LOND, "999"),
        QStringLiteral("LONM=") + fill(record.LONM, "99"),
        QStringLiteral("LONC=") + fill(record.LONC, "999"),
        QStringLiteral("EW=") + fill(record.EW, "E"),
        QStringLiteral("TIME=") + fill(record.TIME, "99:99"),
        QStringLiteral("CH=") + record.CH.str(),
        QStringLiteral("COMPLY=") + QString(dsc::Comply),
    };
    return items.join(u',');
}

QList<DscDestination> dsc_destinations(DscWriter writer, int simMode, int dataPort)
{
    const quint16 p = quint16(dataPort & 0xFFFF);
    const quint16 p1 = quint16((p + 1) & 0xFFFF);
    if (simMode == 1)
        return {{true, p, KeyOrder::Standard}, {true, p1, KeyOrder::Standard}};
    if (simMode != 0)
        return {};
    switch (writer) {
    case DscWriter::Plain:
        return {{false, p, KeyOrder::Standard}, {false, dsc::ReceivePort, KeyOrder::Alternate}};
    case DscWriter::Position:
        return {{false, p, KeyOrder::Standard}, {false, p1, KeyOrder::Alternate}};
    case DscWriter::Full:
        return {{false, p, KeyOrder::Standard}, {false, p1, KeyOrder::Standard}};
    }
    return {};
}

#pragma once

#include <QList>
#include <QString>

#include "DscCall.h"

// The DSC datagram writers and where their datagrams go.

enum class DscWriter { Plain, Position, Full };
// Alternate: the INFO1 item comes before the CATEGORY item.
enum class KeyOrder { Standard, Alternate };

// The datagram text a writer makes of record: 17 KEY=VALUE items joined by
// commas. Plain and position calls take the sender from stationMmsi, the
// full call from the record; plain calls carry the no-nature, no-position
// and no-time fillers.
QString datagram_text(DscWriter writer, const DscCall &record, const QString &stationMmsi, KeyOrder order);

struct DscDestination
{
    bool broadcast = false; // else to the local host
    quint16 port = 0;
    KeyOrder order = KeyOrder::Standard;
    friend bool operator==(const DscDestination &, const DscDestination &) = default;
};

// The two datagrams of a call in the order they are sent; none for a mode
// other than 0 (local) or 1 (network). Ports are cut to 16 bits.
QList<DscDestination> dsc_destinations(DscWriter writer, int simMode, int dataPort);

// A call ready to go: the record and the writer that puts it on the wire.
struct OutgoingCall
{
    DscCall call;
    DscWriter writer = DscWriter::Plain;
};

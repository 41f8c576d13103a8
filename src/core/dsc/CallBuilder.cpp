#include "CallBuilder.h"

#include "DscProtocol.h"
#include "PositionFix.h"

using dsc::padded;
using namespace dsc::words;

namespace call_builder {

namespace {
OutgoingCall individual(const QString &stationMmsi, const QString &destination, QLatin1StringView format,
                        QLatin1StringView category, QLatin1StringView info, const QString &channel)
{
    OutgoingCall out;
    DscCall &c = out.call;
    c.TXMMSI = stationMmsi;
    c.RXMMSI = destination;
    c.FORMAT = padded(format);
    c.CATEGORY = padded(category);
    c.INFO1 = padded(info);
    c.CH = channel;
    return out;
}
} // namespace

OutgoingCall routine_call(const QString &stationMmsi, const QString &destination, const QString &channel)
{
    return individual(stationMmsi, destination, Individual, Routine, Telephony, channel);
}

OutgoingCall group_call(const QString &stationMmsi, const QString &group, const QString &channel)
{
    return individual(stationMmsi, group, Group, Routine, Telephony, channel);
}

bool is_group_mmsi(const QString &mmsi)
{
    return mmsi.startsWith(u'0');
}

OutgoingCall all_ships_call(AllShipsKind kind)
{
    return individual(QString(), QString(dsc::AllShips), AllShipsFormat,
                      kind == AllShipsKind::Safety ? Safety : Urgency, Telephony, QStringLiteral("16"));
}

OutgoingCall individual_call(const QString &stationMmsi, const QString &destination, IndividualKind kind)
{
    switch (kind) {
    case IndividualKind::PositionRequest:
        return individual(stationMmsi, destination, Individual, Safety, PosRequest, QStringLiteral("16"));
    case IndividualKind::Polling:
        return individual(stationMmsi, destination, Individual, Routine, Polling, QStringLiteral("16"));
    case IndividualKind::Test:
        break;
    }
    return individual(stationMmsi, destination, Individual, Safety, TestCall, QStringLiteral("16"));
}

OutgoingCall position_report(const QString &stationMmsi, const QString &destination, const PositionFix &fix)
{
    OutgoingCall out = individual(stationMmsi, destination, Individual, Safety, PosReport, QStringLiteral("16"));
    fix.writeInto(out.call);
    out.writer = DscWriter::Position;
    return out;
}

OutgoingCall distress_alert(const QString &distressedMmsi, const QString &nature, const PositionFix &fix)
{
    OutgoingCall out = individual(distressedMmsi, QString(dsc::AllShips), Distress, None, None, QStringLiteral("16"));
    out.call.DANGER = nature;
    fix.writeInto(out.call);
    out.writer = DscWriter::Full;
    return out;
}

} // namespace call_builder

#include "AckBuilder.h"

#include "DscProtocol.h"
#include "PositionFix.h"

using dsc::padded;
using namespace dsc::words;

namespace ack_builder {

namespace {
OutgoingCall reply(const LogRow &row, const QString &stationMmsi, QLatin1StringView format, QLatin1StringView category,
                   QLatin1StringView info, const QString &channel, DscWriter writer)
{
    OutgoingCall out;
    DscCall &c = out.call;
    c.TXMMSI = stationMmsi;
    c.RXMMSI = row.cell(LogColumn::From);
    c.FORMAT = padded(format);
    c.CATEGORY = padded(category);
    c.INFO1 = padded(info);
    c.CH = channel;
    out.writer = writer;
    return out;
}
} // namespace

OutgoingCall distress_ack(const LogRow &row, const QString &stationMmsi)
{
    OutgoingCall out =
        reply(row, stationMmsi, AllShipsFormat, Distress, DistAck, QStringLiteral("16"), DscWriter::Full);
    DscCall &c = out.call;
    c.DANGER = row.cell(LogColumn::RawNature);
    c.LATD = row.cell(LogColumn::RawLatitudeDegrees);
    c.LATM = row.cell(LogColumn::RawLatitudeMinutes);
    c.LATC = row.cell(LogColumn::RawLatitudeThousandths);
    c.NS = row.cell(LogColumn::RawNorthSouth);
    c.LOND = row.cell(LogColumn::RawLongitudeDegrees);
    c.LONM = row.cell(LogColumn::RawLongitudeMinutes);
    c.LONC = row.cell(LogColumn::RawLongitudeThousandths);
    c.EW = row.cell(LogColumn::RawEastWest);
    c.TIME = row.cell(LogColumn::RawTime);
    return out;
}

OutgoingCall routine_ack(const LogRow &row, const QString &stationMmsi, const QString &channel, bool able)
{
    return reply(row, stationMmsi, Individual, Routine, able ? Able : Unable, channel, DscWriter::Plain);
}

OutgoingCall position_reply(const LogRow &row, const QString &stationMmsi, const PositionFix &fix)
{
    OutgoingCall out = reply(row, stationMmsi, Individual, Routine, PosReply, QStringLiteral("16"), DscWriter::Full);
    out.call.DANGER = QString(dsc::NoNature);
    fix.writeInto(out.call);
    return out;
}

OutgoingCall position_report_ack(const LogRow &row, const QString &stationMmsi)
{
    OutgoingCall out =
        reply(row, stationMmsi, Individual, Safety, PosRptAck, QStringLiteral("16"), DscWriter::Position);
    DscCall &c = out.call;
    // Cut by character position: "43°27.123 N", "007°45.010 E".
    const QString &latitude = row.cell(LogColumn::Latitude);
    const QString &longitude = row.cell(LogColumn::Longitude);
    c.LATD = latitude.mid(0, 2);
    c.LATM = latitude.mid(3, 2);
    c.LATC = latitude.mid(6, 3);
    c.NS = latitude.mid(10, 1);
    c.LOND = longitude.mid(0, 3);
    c.LONM = longitude.mid(4, 2);
    c.LONC = longitude.mid(7, 3);
    c.EW = longitude.mid(11, 1);
    c.TIME = row.cell(LogColumn::PositionTime);
    return out;
}

OutgoingCall polling_ack(const LogRow &row, const QString &stationMmsi)
{
    return reply(row, stationMmsi, Individual, Routine, PollingAck, QStringLiteral("16"), DscWriter::Plain);
}

OutgoingCall test_ack(const LogRow &row, const QString &stationMmsi)
{
    return reply(row, stationMmsi, Individual, Safety, TestAck, QStringLiteral("16"), DscWriter::Plain);
}

Handled handled(AckKind kind)
{
    constexpr Rgb Blue{0, 0, 255};
    switch (kind) {
    case AckKind::Distress:
        return {{MarkerShape::RoundedSquare, {255, 0, 0}, {192, 192, 192}}, AlarmClass::Distress};
    case AckKind::Routine:
        return {{MarkerShape::RoundedSquare, {0, 255, 0}, {0, 128, 0}}, AlarmClass::Routine};
    case AckKind::PosRequest:
        return {{MarkerShape::RoundedSquare, {255, 255, 0}, {255, 0, 0}}, AlarmClass::Request};
    case AckKind::PosReport:
        return {{MarkerShape::RoundedSquare, {128, 255, 255}, Blue}, AlarmClass::Report};
    case AckKind::Polling:
        return {{MarkerShape::RoundedSquare, {255, 128, 255}, Blue}, AlarmClass::Request};
    case AckKind::Test:
        break;
    }
    return {{MarkerShape::RoundedSquare, {128, 255, 255}, Blue}, AlarmClass::Request};
}

} // namespace ack_builder

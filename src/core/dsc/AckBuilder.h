#pragma once

#include <QString>

#include "DatagramWriter.h"
#include "core/log/AckAvailability.h"
#include "core/log/AlarmState.h"
#include "core/log/LogRow.h"

struct PositionFix;

// The acknowledgements of a logged call. Each goes back to the station that
// sent it (the row's "From").
namespace ack_builder {

// Sends back the distress alert's own nature, position and time.
OutgoingCall distress_ack(const LogRow &row, const QString &stationMmsi);
// channel: the two-digit code to send.
OutgoingCall routine_ack(const LogRow &row, const QString &stationMmsi, const QString &channel, bool able);
OutgoingCall position_reply(const LogRow &row, const QString &stationMmsi, const PositionFix &fix);
// Sends back the position the report showed, cut from the displayed texts.
OutgoingCall position_report_ack(const LogRow &row, const QString &stationMmsi);
OutgoingCall polling_ack(const LogRow &row, const QString &stationMmsi);
OutgoingCall test_ack(const LogRow &row, const QString &stationMmsi);

// What an acknowledged row shows, and the alarm the acknowledgement stops.
struct Handled
{
    LogMarker marker;
    AlarmClass alarm;
};
Handled handled(AckKind kind);
// The background of an acknowledged row.
inline constexpr Rgb HandledBackground{240, 240, 224};

} // namespace ack_builder

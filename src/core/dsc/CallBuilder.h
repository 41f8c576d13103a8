#pragma once

#include <QString>

#include "DatagramWriter.h"

struct PositionFix;

// The station's calls from plain inputs; what the trainee chose in a dialog
// goes in, the call and its writer come out.
namespace call_builder {

// A routine or group call proposes a working channel: its two-digit code.
OutgoingCall routine_call(const QString &stationMmsi, const QString &destination, const QString &channel);
OutgoingCall group_call(const QString &stationMmsi, const QString &group, const QString &channel);
// Group MMSIs begin with 0.
bool is_group_mmsi(const QString &mmsi);

enum class AllShipsKind { Safety, Urgency };
OutgoingCall all_ships_call(AllShipsKind kind);

enum class IndividualKind { PositionRequest, Polling, Test };
OutgoingCall individual_call(const QString &stationMmsi, const QString &destination, IndividualKind kind);

OutgoingCall position_report(const QString &stationMmsi, const QString &destination, const PositionFix &fix);
// A distress alert from the simulated distressed ship; nature "01" to "11".
OutgoingCall distress_alert(const QString &distressedMmsi, const QString &nature, const PositionFix &fix);

} // namespace call_builder

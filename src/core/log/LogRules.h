#pragma once

#include <QString>

#include "AlarmState.h"
#include "LogRow.h"
#include "core/dsc/DscCall.h"

// How a received call is written into the message log: plain code over the
// call and the station's identity.

struct InterpretedCall
{
    LogRow::Cells cells; // every column but the time of reception
    LogMarker marker;
    AlarmClass alarm = AlarmClass::None;
};

// Latitude and longitude texts of the log ("43°27.123 N"), or "NO POSITION".
QString latitude_text(const DscCall &call);
QString longitude_text(const DscCall &call);

// Interprets call for this station: an all-ships RXMMSI shows as "-", then
// the marker, blanking and alarm rules apply in order.
InterpretedCall interpret_call(DscCall call, const QString &stationMmsi, const QString &groupMmsi);

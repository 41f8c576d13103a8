#pragma once

#include <QString>
#include <array>

#include "dsc/TDscCall.h"
#include "platform/MessageGridModel.h"

// How a received call is written into the message log: plain code over the
// call and the station's identity, so the rules can be checked without a window.

enum class AlarmClass { None, Distress, Routine, Request, Report };

struct LoggedRow
{
    // Columns 2 to 21 of the log row; column 1 (time of reception) is the caller's.
    std::array<QString, MessageGridModel::ColumnCount> cells;
    GridMarker marker;
    AlarmClass alarm = AlarmClass::None;
};

// The "Nature" text of a DANGER code: the nature table's entry for 00 to 11.
// Anything else shows what arrived, as "UNKNOWN (code)", so the trainee sees
// that an unlisted code came in rather than a wrong nature.
QString nature_text(const QString &danger);

// Latitude and longitude texts of the log ("43°27.123 N"), or "NO POSITION".
QString latitude_text(const TDscCall &call);
QString longitude_text(const TDscCall &call);

// Interprets call for this station: rewrites an all-ships RXMMSI to "-" in
// the record, then applies the marker, blanking and alarm rules in order.
LoggedRow interpret_call(TDscCall &call, const QString &stationMmsi, const QString &groupMmsi);

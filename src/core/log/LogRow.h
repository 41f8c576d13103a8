#pragma once

#include <QString>
#include <array>
#include <optional>

#include "LogMarker.h"

// The columns of a message log row, as the log shows them; the raw values
// of the call follow, hidden, for the acknowledgements that send them back.
enum class LogColumn {
    Marker,
    Received,
    From,
    To,
    Format,
    Category,
    Information,
    Nature,
    Latitude,
    Longitude,
    PositionTime,
    Channel,
    RawNature,
    RawLatitudeDegrees,
    RawLatitudeMinutes,
    RawLatitudeThousandths,
    RawNorthSouth,
    RawLongitudeDegrees,
    RawLongitudeMinutes,
    RawLongitudeThousandths,
    RawEastWest,
    RawTime,
};
inline constexpr int LogColumnCount = int(LogColumn::RawTime) + 1;
// The columns the log shows; the rest are hidden.
inline constexpr int ShownLogColumns = int(LogColumn::Channel) + 1;

struct LogRow
{
    std::array<QString, LogColumnCount> cells;
    LogMarker marker;
    std::optional<Rgb> background; // none: the log's own

    const QString &cell(LogColumn column) const { return cells[size_t(column)]; }
    QString &cell(LogColumn column) { return cells[size_t(column)]; }
};

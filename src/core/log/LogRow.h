#pragma once

#include <QByteArray>
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

// One row of the message log. Its texts are kept packed, as UTF-8 one after
// the other in one block: a log of many rows then costs a few hundred bytes a
// row rather than a string object per column.
class LogRow
{
public:
    using Cells = std::array<QString, LogColumnCount>;

    LogRow() = default;
    explicit LogRow(const Cells &cells, const LogMarker &marker = {});

    QString cell(LogColumn column) const { return cell(int(column)); }
    QString cell(int column) const;

    LogMarker marker;
    std::optional<Rgb> background; // none: the log's own

private:
    QByteArray m_text;
    std::array<quint16, LogColumnCount> m_ends{}; // where each cell's text ends in m_text
};

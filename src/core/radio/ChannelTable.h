#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "ChannelEntry.h"

// The simulated radio's 56 channels, read once from the channel resource: a
// plain-text string table read by numeric id (n: channel, 100 + n:
// frequency, 200 + n: mode, 300 + n: power, 400 + n: use, 1000 + n and
// 1100 + n: receive and transmit port offsets).
class ChannelTable
{
public:
    static constexpr int Rows = 56;

    static QString resourceName() { return QStringLiteral("channels.ini"); }

    // Without a resource: empty texts, offsets equal to the row numbers.
    ChannelTable();

    // Reads the first folder that holds the resource (each with a trailing
    // '/'). Without it, notices says so in the two messages the user sees.
    static ChannelTable load(const QStringList &folders, QStringList *notices);

    // Rows 1 to 56; any other number gives the nearest row.
    const ChannelEntry &row(int row) const;

private:
    std::array<ChannelEntry, Rows + 1> m_rows; // row 0 is not used
};

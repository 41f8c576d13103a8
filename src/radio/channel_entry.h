#pragma once

#include "platform/ShortText.h"

#include <array>

// One row of the simulated radio's channel table.
struct channel_entry
{
    ShortText<2> channel;        // number as the display shows it
    ShortText<12> block400_text; // use of the channel
    ShortText<5> block100_text;  // ship transmit frequency, tens of kHz
    ShortText<5> mode;           // "SIM", "DUP", ...
    ShortText<5> block300_text;  // transmit power
    int tx_port_offset = 0;      // added to base_port for the transmit stream
    int rx_port_offset = 0;      // added to base_port for the receive stream
};

// Rows 1 to 56; row 0 is not used.
using ChannelTable = std::array<channel_entry, 57>;
inline constexpr int ChannelRows = 56;

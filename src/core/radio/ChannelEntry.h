#pragma once

#include "core/text/ShortText.h"

// One row of the simulated radio's channel table.
struct ChannelEntry
{
    ShortText<2> channel;   // number as the display shows it
    ShortText<12> use;      // use of the channel
    ShortText<5> frequency; // ship transmit frequency, tens of kHz
    ShortText<5> mode;      // "SIM", "DUP", ...
    ShortText<5> power;     // transmit power
    int txPortOffset = 0;   // added to the base port for the transmit stream
    int rxPortOffset = 0;   // added to the base port for the receive stream
};

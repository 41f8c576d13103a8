#pragma once

#include <QString>

#include "channel_entry.h"

// The channel resource: a plain-text string table read by numeric id.
QString channel_resource_name();

// Fills table from the resource found in the current working directory,
// else beside the program (a station started from a desktop launcher runs
// elsewhere). Without it: two messages, empty texts, offsets = row numbers.
void load_channel_table(ChannelTable &table);
// The same into channel_table.
void load_channel_table();

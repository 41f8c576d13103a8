#pragma once

#include <QString>

// The station's simulated position: configured degrees and hemispheres with
// minutes drawn anew for every call that sends a position.

// Draws latm, latc, lonm and lonc of own_position, in this order: minutes
// 0 to 58 with two digits, thousandths 0 to 998 with three.
void draw_position_minutes();

// The local clock minus utc_offset hours, "hh:mm" (across midnight too).
QString utc_time_text();

// Writes the station's position (own_position) and time into outgoing_call.
void write_own_position(const QString &time);

#pragma once

#include <QDateTime>
#include <QString>

#include "DscCall.h"
#include "core/text/ShortText.h"

class StationEnvironment;
struct StationSettings;

// A simulated fix of the station's position, as the text pieces a DSC call
// carries: the configured degrees and hemispheres with minutes drawn anew
// for every call that sends a position, and the UTC time of the fix.
struct PositionFix
{
    ShortText<2> latd;
    ShortText<2> latm;
    ShortText<3> latc;
    ShortText<1> ns;
    ShortText<3> lond;
    ShortText<2> lonm;
    ShortText<3> lonc;
    ShortText<1> ew;
    ShortText<255> time;

    // Draws latm, latc, lonm and lonc, in this order: minutes 0 to 58 with
    // two digits, thousandths 0 to 998 with three; the time is the
    // environment's clock minus the UTC offset.
    static PositionFix draw(const StationSettings &settings, StationEnvironment &environment);

    // Writes the position and the time into call.
    void writeInto(DscCall &call) const;
};

// local minus utcOffset hours, "hh:mm" (across midnight too).
QString utc_time_text(const QDateTime &local, int utcOffset);

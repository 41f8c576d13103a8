#include "position_fix.h"

#include "platform/Clock.h"
#include "platform/Random.h"
#include "shell/globals.h"

namespace {
QString digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}
} // namespace

void draw_position_minutes()
{
    own_position.latm = digits(station_random::below(59), 2);
    own_position.latc = digits(station_random::below(999), 3);
    own_position.lonm = digits(station_random::below(59), 2);
    own_position.lonc = digits(station_random::below(999), 3);
}

QString utc_time_text()
{
    return station_clock::now().addSecs(-qint64(utc_offset) * 3600).toString(QStringLiteral("HH:mm"));
}

void write_own_position(const QString &time)
{
    outgoing_call.LATD = own_position.latd.str();
    outgoing_call.LATM = own_position.latm.str();
    outgoing_call.LATC = own_position.latc.str();
    outgoing_call.NS = own_position.ns.str();
    outgoing_call.LOND = own_position.lond.str();
    outgoing_call.LONM = own_position.lonm.str();
    outgoing_call.LONC = own_position.lonc.str();
    outgoing_call.EW = own_position.ew.str();
    outgoing_call.TIME = time;
}

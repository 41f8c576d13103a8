#include "PositionFix.h"

#include "core/config/StationSettings.h"
#include "core/env/StationEnvironment.h"

namespace {
QString digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}
} // namespace

PositionFix PositionFix::draw(const StationSettings &settings, StationEnvironment &environment)
{
    PositionFix fix;
    fix.latd = settings.latitudeDegrees.str();
    fix.ns = settings.northSouth.str();
    fix.lond = settings.longitudeDegrees.str();
    fix.ew = settings.eastWest.str();
    fix.latm = digits(environment.below(59), 2);
    fix.latc = digits(environment.below(999), 3);
    fix.lonm = digits(environment.below(59), 2);
    fix.lonc = digits(environment.below(999), 3);
    fix.time = utc_time_text(environment.now(), settings.utcOffset);
    return fix;
}

void PositionFix::writeInto(DscCall &call) const
{
    call.LATD = latd.str();
    call.LATM = latm.str();
    call.LATC = latc.str();
    call.NS = ns.str();
    call.LOND = lond.str();
    call.LONM = lonm.str();
    call.LONC = lonc.str();
    call.EW = ew.str();
    call.TIME = time.str();
}

QString utc_time_text(const QDateTime &local, int utcOffset)
{
    return local.addSecs(-qint64(utcOffset) * 3600).toString(QStringLiteral("HH:mm"));
}

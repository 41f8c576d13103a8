#pragma once

#include "core/dsc/DscCall.h"

#include <QString>

// A call as composers leave it: words padded to twelve characters and the
// fix 41°07.512 N 009°33.048 E taken at 10:42.
inline DscCall sample_call(const QString &from, const QString &to, const QString &format, const QString &category,
                           const QString &info, const QString &danger = QStringLiteral("00"),
                           const QString &channel = QStringLiteral("16"))
{
    DscCall c;
    c.TXMMSI = from;
    c.RXMMSI = to;
    c.FORMAT = format.leftJustified(12);
    c.CATEGORY = category.leftJustified(12);
    c.INFO1 = info.leftJustified(12);
    c.DANGER = danger;
    c.LATD = "41";
    c.LATM = "07";
    c.LATC = "512";
    c.NS = "N";
    c.LOND = "009";
    c.LONM = "33";
    c.LONC = "048";
    c.EW = "E";
    c.TIME = "10:42";
    c.CH = channel;
    return c;
}

#include "DatagramParser.h"

namespace {

// Takes at most width characters after the first occurrence of key; a
// missing key slices from position 0 + key length, as the protocol's
// receivers always have.
QString slice(const QString &text, QLatin1StringView key, int width)
{
    const qsizetype at = text.indexOf(key);
    const qsizetype start = (at < 0 ? -1 : at) + key.size();
    if (start >= text.size())
        return QString();
    return text.mid(start, width);
}

// Leading and trailing blanks: spaces and control characters.
QString trimBlanks(const QString &s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b].unicode() <= 0x20)
        ++b;
    while (e > b && s[e - 1].unicode() <= 0x20)
        --e;
    return s.mid(b, e - b);
}

} // namespace

DscCall parse_datagram(const QString &text)
{
    DscCall call;
    call.TXMMSI = trimBlanks(slice(text, QLatin1StringView("TXMMSI="), 9));
    call.RXMMSI = trimBlanks(slice(text, QLatin1StringView("RXMMSI="), 9));
    call.FORMAT = trimBlanks(slice(text, QLatin1StringView("FORMAT="), 12));
    call.CATEGORY = trimBlanks(slice(text, QLatin1StringView("CATEGORY="), 12));
    call.INFO1 = trimBlanks(slice(text, QLatin1StringView("INFO1="), 12));
    call.DANGER = slice(text, QLatin1StringView("DANGER="), 2);
    call.LATD = slice(text, QLatin1StringView("LATD="), 2);
    call.LATM = slice(text, QLatin1StringView("LATM="), 2);
    call.LATC = slice(text, QLatin1StringView("LATC="), 3);
    call.NS = slice(text, QLatin1StringView("NS="), 1);
    call.LOND = slice(text, QLatin1StringView("LOND="), 3);
    call.LONM = slice(text, QLatin1StringView("LONM="), 2);
    call.LONC = slice(text, QLatin1StringView("LONC="), 3);
    call.EW = slice(text, QLatin1StringView("EW="), 1);
    call.TIME = slice(text, QLatin1StringView("TIME="), 5);
    call.CH = slice(text, QLatin1StringView("CH="), 2);
    call.COMPLY = slice(text, QLatin1StringView("COMPLY="), 1);
    return call;
}

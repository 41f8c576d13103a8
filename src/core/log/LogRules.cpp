#include "LogRules.h"

#include "NatureOfDistress.h"
#include "core/dsc/DscProtocol.h"

#include <vector>

using namespace dsc::words;

namespace {

const QChar Degree(0x00B0);

// Appends piece and keeps the first max characters, as the log builds its texts.
void appendCut(QString &text, const QString &piece, int max)
{
    text = (text + piece).left(max);
}

enum class Arrow {
    Right,                      // always a right arrow
    LeftIfSentElseRight,        // sent: left, else right
    LeftIfSentElseRightIfToUs,  // sent: left; else addressed here: right
    RightIfToUsElseLeftIfSent,  // addressed here: right; else sent: left
    LeftIfSentElseRightIfGroup, // sent: left; else addressed to the group: right
    Diamond,
};

enum class AlarmWhen { Never, Always, IfToUs };

struct Rule
{
    bool (*matches)(const DscCall &);
    std::vector<LogColumn> blank;
    Rgb fill;
    Rgb outline;
    Arrow arrow;
    AlarmClass alarm;
    AlarmWhen when;
};

bool is(const ShortText<12> &field, QLatin1StringView word)
{
    return field.str() == word;
}

bool individual(const DscCall &c, QLatin1StringView info)
{
    return is(c.FORMAT, Individual) && is(c.INFO1, info);
}

constexpr Rgb Red{255, 0, 0}, Blue{0, 0, 255}, Silver{192, 192, 192}, Orange{255, 128, 0}, Yellow{255, 255, 0},
    Lime{0, 255, 0}, Green{0, 128, 0}, LightGreen{128, 255, 128}, Pink{255, 128, 255}, LightCyan{128, 255, 255},
    Cyan{0, 255, 255};

constexpr LogColumn Lat = LogColumn::Latitude, Lon = LogColumn::Longitude, Time = LogColumn::PositionTime,
                    Ch = LogColumn::Channel;

// The rules in the order they are applied; each on its own, a later marker
// replacing an earlier one.
// A table, one rule to a line or two.
// clang-format off
const Rule rules[] = {
    {[](const DscCall &c) { return is(c.FORMAT, Distress); }, {}, Red, Silver, Arrow::Right, AlarmClass::Distress,
     AlarmWhen::Always},
    {[](const DscCall &c) { return is(c.CATEGORY, Distress); }, {}, Blue, Silver, Arrow::LeftIfSentElseRight,
     AlarmClass::None, AlarmWhen::Never},
    {[](const DscCall &c) { return is(c.FORMAT, AllShipsFormat) && is(c.CATEGORY, Urgency); }, {Lat, Lon, Time}, Orange,
     Red, Arrow::Diamond, AlarmClass::None, AlarmWhen::Never},
    {[](const DscCall &c) { return is(c.FORMAT, AllShipsFormat) && is(c.CATEGORY, Safety); }, {Lat, Lon, Time}, Yellow,
     Red, Arrow::Diamond, AlarmClass::None, AlarmWhen::Never},
    {[](const DscCall &c) { return is(c.CATEGORY, Routine) && individual(c, Telephony); }, {Lat, Lon, Time}, Lime, Green,
     Arrow::LeftIfSentElseRightIfToUs, AlarmClass::Routine, AlarmWhen::IfToUs},
    {[](const DscCall &c) {
         return is(c.CATEGORY, Routine) && (individual(c, Able) || individual(c, Unable));
     },
     {Lat, Lon, Time}, Lime, Green, Arrow::RightIfToUsElseLeftIfSent, AlarmClass::None, AlarmWhen::Never},
    {[](const DscCall &c) { return is(c.CATEGORY, Routine) && is(c.FORMAT, Group) && is(c.INFO1, Telephony); },
     {Lat, Lon, Time}, LightGreen, Green, Arrow::LeftIfSentElseRightIfGroup, AlarmClass::None, AlarmWhen::Never},
    {[](const DscCall &c) { return individual(c, PosRequest); }, {Lat, Lon, Time, Ch}, Yellow, Red,
     Arrow::RightIfToUsElseLeftIfSent, AlarmClass::Request, AlarmWhen::IfToUs},
    {[](const DscCall &c) { return individual(c, PosReply); }, {Ch}, Yellow, Red, Arrow::LeftIfSentElseRightIfToUs,
     AlarmClass::None, AlarmWhen::Never},
    {[](const DscCall &c) { return individual(c, Polling); }, {Lat, Lon, Time, Ch}, Pink, Blue,
     Arrow::LeftIfSentElseRightIfToUs, AlarmClass::Request, AlarmWhen::IfToUs},
    {[](const DscCall &c) { return individual(c, PollingAck); }, {Lat, Lon, Time, Ch}, Pink, Blue,
     Arrow::LeftIfSentElseRightIfToUs, AlarmClass::None, AlarmWhen::Never},
    {[](const DscCall &c) { return individual(c, TestCall); }, {Lat, Lon, Time, Ch}, LightCyan, Blue,
     Arrow::LeftIfSentElseRightIfToUs, AlarmClass::Request, AlarmWhen::IfToUs},
    {[](const DscCall &c) { return individual(c, TestAck); }, {Lat, Lon, Time, Ch}, LightCyan, Blue,
     Arrow::LeftIfSentElseRightIfToUs, AlarmClass::None, AlarmWhen::Never},
    {[](const DscCall &c) { return individual(c, PosReport); }, {Ch}, Cyan, Blue, Arrow::LeftIfSentElseRightIfToUs,
     AlarmClass::Report, AlarmWhen::IfToUs},
    {[](const DscCall &c) { return individual(c, PosRptAck); }, {Ch}, Cyan, Blue, Arrow::LeftIfSentElseRightIfToUs,
     AlarmClass::None, AlarmWhen::Never},
};
// clang-format on

MarkerShape shapeFor(Arrow arrow, bool sent, bool toUs, bool toGroup)
{
    switch (arrow) {
    case Arrow::Right:
        return MarkerShape::RightArrow;
    case Arrow::Diamond:
        return MarkerShape::Diamond;
    case Arrow::LeftIfSentElseRight:
        return sent ? MarkerShape::LeftArrow : MarkerShape::RightArrow;
    case Arrow::LeftIfSentElseRightIfToUs:
        return sent ? MarkerShape::LeftArrow : toUs ? MarkerShape::RightArrow : MarkerShape::None;
    case Arrow::RightIfToUsElseLeftIfSent:
        return toUs ? MarkerShape::RightArrow : sent ? MarkerShape::LeftArrow : MarkerShape::None;
    case Arrow::LeftIfSentElseRightIfGroup:
        return sent ? MarkerShape::LeftArrow : toGroup ? MarkerShape::RightArrow : MarkerShape::None;
    }
    return MarkerShape::None;
}

} // namespace

namespace {
// "dd°mm.ccc H" built piece by piece, each step cut at a running maximum
// (for two-digit degrees 3, 5, 6, 9, 10 and 11; one more with three);
// the no-position value of the writers reads "NO POSITION".
QString position_text(const QString &degrees, const QString &minutes, const QString &thousandths,
                      const QString &hemisphere, int degreeDigits)
{
    const int d = degreeDigits;
    QString text;
    appendCut(text, degrees, d + 1);
    appendCut(text, Degree, d + 1);
    appendCut(text, minutes, d + 3);
    appendCut(text, QStringLiteral("."), d + 4);
    appendCut(text, thousandths, d + 7);
    appendCut(text, QStringLiteral(" "), d + 8);
    appendCut(text, hemisphere, d + 9);
    if (text.left(d + 7) == QString(d, u'9') + Degree + QStringLiteral("99.999"))
        return QStringLiteral("NO POSITION");
    return text;
}
} // namespace

QString latitude_text(const DscCall &call)
{
    return position_text(call.LATD, call.LATM, call.LATC, call.NS, 2);
}

QString longitude_text(const DscCall &call)
{
    return position_text(call.LOND, call.LONM, call.LONC, call.EW, 3);
}

InterpretedCall interpret_call(DscCall call, const QString &stationMmsi, const QString &groupMmsi)
{
    if (call.RXMMSI.str() == dsc::AllShips)
        call.RXMMSI = QStringLiteral("-");

    InterpretedCall out;
    auto set = [&out](LogColumn column, const QString &text) { out.cells[size_t(column)] = text; };
    set(LogColumn::From, call.TXMMSI);
    set(LogColumn::To, call.RXMMSI);
    set(LogColumn::Format, call.FORMAT);
    set(LogColumn::Category, call.CATEGORY);
    set(LogColumn::Information, call.INFO1);
    set(LogColumn::Nature, nature_text(call.DANGER));
    set(LogColumn::Latitude, latitude_text(call));
    set(LogColumn::Longitude, longitude_text(call));
    set(LogColumn::PositionTime, call.TIME.str() == dsc::NoTime ? QStringLiteral("NO TIME") : call.TIME.str());
    set(LogColumn::Channel, call.CH);
    set(LogColumn::RawNature, call.DANGER);
    set(LogColumn::RawLatitudeDegrees, call.LATD);
    set(LogColumn::RawLatitudeMinutes, call.LATM);
    set(LogColumn::RawLatitudeThousandths, call.LATC);
    set(LogColumn::RawNorthSouth, call.NS);
    set(LogColumn::RawLongitudeDegrees, call.LOND);
    set(LogColumn::RawLongitudeMinutes, call.LONM);
    set(LogColumn::RawLongitudeThousandths, call.LONC);
    set(LogColumn::RawEastWest, call.EW);
    set(LogColumn::RawTime, call.TIME);

    const bool toUs = call.RXMMSI.str() == stationMmsi;
    const bool toGroup = call.RXMMSI.str() == groupMmsi;
    const bool sent = call.TXMMSI.str() == stationMmsi;
    for (const Rule &rule : rules) {
        if (!rule.matches(call))
            continue;
        for (LogColumn column : rule.blank)
            set(column, QStringLiteral("-"));
        const MarkerShape shape = shapeFor(rule.arrow, sent, toUs, toGroup);
        if (shape != MarkerShape::None)
            out.marker = {shape, rule.fill, rule.outline};
        if (rule.when == AlarmWhen::Always || (rule.when == AlarmWhen::IfToUs && toUs))
            out.alarm = rule.alarm;
    }
    if (call.INFO1.str() == Telephony)
        set(LogColumn::Information, QStringLiteral("TELEPHONY"));
    return out;
}

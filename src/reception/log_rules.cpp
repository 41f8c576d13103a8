#include "log_rules.h"

#include "dsc/dsc_protocol.h"
#include "shell/globals.h"

#include <QColor>
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
    bool (*matches)(const TDscCall &);
    std::vector<int> blank;
    QColor fill;
    QColor outline;
    Arrow arrow;
    AlarmClass alarm;
    AlarmWhen when;
};

bool is(const ShortText<12> &field, QLatin1StringView word)
{
    return field.str() == word;
}

bool individual(const TDscCall &c, QLatin1StringView info)
{
    return is(c.FORMAT, Individual) && is(c.INFO1, info);
}

const QColor Red(255, 0, 0), Blue(0, 0, 255), Silver(192, 192, 192), Orange(255, 128, 0), Yellow(255, 255, 0),
    Lime(0, 255, 0), Green(0, 128, 0), LightGreen(128, 255, 128), Pink(255, 128, 255), LightCyan(128, 255, 255),
    Cyan(0, 255, 255);

// The rules in the order they are applied; each on its own, a later marker
// replacing an earlier one.
const Rule rules[] = {
    {[](const TDscCall &c) { return is(c.FORMAT, Distress); }, {}, Red, Silver, Arrow::Right, AlarmClass::Distress,
     AlarmWhen::Always},
    {[](const TDscCall &c) { return is(c.CATEGORY, Distress); }, {}, Blue, Silver, Arrow::LeftIfSentElseRight,
     AlarmClass::None, AlarmWhen::Never},
    {[](const TDscCall &c) { return is(c.FORMAT, AllShipsFormat) && is(c.CATEGORY, Urgency); }, {8, 9, 10}, Orange,
     Red, Arrow::Diamond, AlarmClass::None, AlarmWhen::Never},
    {[](const TDscCall &c) { return is(c.FORMAT, AllShipsFormat) && is(c.CATEGORY, Safety); }, {8, 9, 10}, Yellow,
     Red, Arrow::Diamond, AlarmClass::None, AlarmWhen::Never},
    {[](const TDscCall &c) { return is(c.CATEGORY, Routine) && individual(c, Telephony); }, {8, 9, 10}, Lime, Green,
     Arrow::LeftIfSentElseRightIfToUs, AlarmClass::Routine, AlarmWhen::IfToUs},
    {[](const TDscCall &c) {
         return is(c.CATEGORY, Routine) && (individual(c, Able) || individual(c, Unable));
     },
     {8, 9, 10}, Lime, Green, Arrow::RightIfToUsElseLeftIfSent, AlarmClass::None, AlarmWhen::Never},
    {[](const TDscCall &c) { return is(c.CATEGORY, Routine) && is(c.FORMAT, Group) && is(c.INFO1, Telephony); },
     {8, 9, 10}, LightGreen, Green, Arrow::LeftIfSentElseRightIfGroup, AlarmClass::None, AlarmWhen::Never},
    {[](const TDscCall &c) { return individual(c, PosRequest); }, {8, 9, 10, 11}, Yellow, Red,
     Arrow::RightIfToUsElseLeftIfSent, AlarmClass::Request, AlarmWhen::IfToUs},
    {[](const TDscCall &c) { return individual(c, PosReply); }, {11}, Yellow, Red, Arrow::LeftIfSentElseRightIfToUs,
     AlarmClass::None, AlarmWhen::Never},
    {[](const TDscCall &c) { return individual(c, Polling); }, {8, 9, 10, 11}, Pink, Blue,
     Arrow::LeftIfSentElseRightIfToUs, AlarmClass::Request, AlarmWhen::IfToUs},
    {[](const TDscCall &c) { return individual(c, PollingAck); }, {8, 9, 10, 11}, Pink, Blue,
     Arrow::LeftIfSentElseRightIfToUs, AlarmClass::None, AlarmWhen::Never},
    {[](const TDscCall &c) { return individual(c, TestCall); }, {8, 9, 10, 11}, LightCyan, Blue,
     Arrow::LeftIfSentElseRightIfToUs, AlarmClass::Request, AlarmWhen::IfToUs},
    {[](const TDscCall &c) { return individual(c, TestAck); }, {8, 9, 10, 11}, LightCyan, Blue,
     Arrow::LeftIfSentElseRightIfToUs, AlarmClass::None, AlarmWhen::Never},
    {[](const TDscCall &c) { return individual(c, PosReport); }, {11}, Cyan, Blue, Arrow::LeftIfSentElseRightIfToUs,
     AlarmClass::Report, AlarmWhen::IfToUs},
    {[](const TDscCall &c) { return individual(c, PosRptAck); }, {11}, Cyan, Blue, Arrow::LeftIfSentElseRightIfToUs,
     AlarmClass::None, AlarmWhen::Never},
};

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

QString nature_text(const QString &danger)
{
    bool digits = !danger.isEmpty();
    for (const QChar c : danger)
        digits = digits && c >= u'0' && c <= u'9';
    const int index = digits ? danger.toInt() : -1;
    if (index >= 0 && index < int(nature_table.size()))
        return nature_table[index];
    return QStringLiteral("UNKNOWN (%1)").arg(danger);
}

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

QString latitude_text(const TDscCall &call)
{
    return position_text(call.LATD, call.LATM, call.LATC, call.NS, 2);
}

QString longitude_text(const TDscCall &call)
{
    return position_text(call.LOND, call.LONM, call.LONC, call.EW, 3);
}

LoggedRow interpret_call(TDscCall &call, const QString &stationMmsi, const QString &groupMmsi)
{
    if (call.RXMMSI.str() == dsc::AllShips)
        call.RXMMSI = QStringLiteral("-");

    LoggedRow row;
    auto &c = row.cells;
    c[2] = call.TXMMSI;
    c[3] = call.RXMMSI;
    c[4] = call.FORMAT;
    c[5] = call.CATEGORY;
    c[6] = call.INFO1;
    c[7] = nature_text(call.DANGER);
    c[8] = latitude_text(call);
    c[9] = longitude_text(call);
    c[10] = call.TIME.str() == dsc::NoTime ? QStringLiteral("NO TIME") : call.TIME.str();
    c[11] = call.CH;
    c[12] = call.DANGER;
    c[13] = call.LATD;
    c[14] = call.LATM;
    c[15] = call.LATC;
    c[16] = call.NS;
    c[17] = call.LOND;
    c[18] = call.LONM;
    c[19] = call.LONC;
    c[20] = call.EW;
    c[21] = call.TIME;

    const bool toUs = call.RXMMSI.str() == stationMmsi;
    const bool toGroup = call.RXMMSI.str() == groupMmsi;
    const bool sent = call.TXMMSI.str() == stationMmsi;
    for (const Rule &rule : rules) {
        if (!rule.matches(call))
            continue;
        for (int column : rule.blank)
            c[column] = QStringLiteral("-");
        const MarkerShape shape = shapeFor(rule.arrow, sent, toUs, toGroup);
        if (shape != MarkerShape::None)
            row.marker = {shape, rule.fill, rule.outline};
        if (rule.when == AlarmWhen::Always || (rule.when == AlarmWhen::IfToUs && toUs))
            row.alarm = rule.alarm;
    }
    if (call.INFO1.str() == Telephony)
        c[6] = QStringLiteral("TELEPHONY");
    return row;
}

#include "SampleCall.h"
#include "core/dsc/DatagramParser.h"
#include "core/log/LogRules.h"

#include <QTest>

namespace {
const QString Own = "274111001", Group = "027411101", Other = "269070001", Third = "244000003";

Rgb colour(const QString &name)
{
    static const QMap<QString, Rgb> colours{
        {"red", Rgb{255, 0, 0}},           {"blue", Rgb{0, 0, 255}},           {"silver", Rgb{192, 192, 192}},
        {"orange", Rgb{255, 128, 0}},      {"yellow", Rgb{255, 255, 0}},       {"lime", Rgb{0, 255, 0}},
        {"green", Rgb{0, 128, 0}},         {"lightgreen", Rgb{128, 255, 128}}, {"pink", Rgb{255, 128, 255}},
        {"lightcyan", Rgb{128, 255, 255}}, {"cyan", Rgb{0, 255, 255}}};
    return colours.value(name);
}

// "right lime/green", "left ...", "diamond ...", or "none".
LogMarker marker(const QString &text)
{
    if (text == "none")
        return {};
    const QStringList parts = text.split(' ');
    const QStringList colours = parts[1].split('/');
    const MarkerShape shape = parts[0] == "right"  ? MarkerShape::RightArrow
                              : parts[0] == "left" ? MarkerShape::LeftArrow
                                                   : MarkerShape::Diamond;
    return {shape, colour(colours[0]), colour(colours[1])};
}
} // namespace

class TestLogRules : public QObject
{
    Q_OBJECT

private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("blanked"); // columns set to "-"
        QTest::addColumn<int>("alarm");
        const int none = int(AlarmClass::None), distress = int(AlarmClass::Distress),
                  routine = int(AlarmClass::Routine), request = int(AlarmClass::Request),
                  report = int(AlarmClass::Report);
        const QString all = "xxxxxxxxx";

        // A table, one case to a line.
        // clang-format off
        QTest::newRow("1 distress alert") << "DISTRESS" << "-" << "-" << Other << all << "right red/silver" << "" << distress;
        QTest::newRow("1 distress alert sent here") << "DISTRESS" << "-" << "-" << Own << all << "right red/silver" << "" << distress;
        QTest::newRow("2 distress ack") << "ALLSHIPS" << "DISTRESS" << "DIST ACK" << Other << all << "right blue/silver" << "" << none;
        QTest::newRow("2 distress ack sent here") << "ALLSHIPS" << "DISTRESS" << "DIST ACK" << Own << all << "left blue/silver" << "" << none;
        QTest::newRow("1+2 keep row 2's marker") << "DISTRESS" << "DISTRESS" << "-" << Other << all << "right blue/silver" << "" << distress;
        QTest::newRow("3 urgency") << "ALLSHIPS" << "URGENCY" << "F3E/G3E TP" << Other << all << "diamond orange/red" << "8 9 10" << none;
        QTest::newRow("4 safety") << "ALLSHIPS" << "SAFETY" << "F3E/G3E TP" << Own << all << "diamond yellow/red" << "8 9 10" << none;
        QTest::newRow("5 routine to us") << "INDIVIDUAL" << "ROUTINE" << "F3E/G3E TP" << Other << Own << "right lime/green" << "8 9 10" << routine;
        QTest::newRow("5 routine between others") << "INDIVIDUAL" << "ROUTINE" << "F3E/G3E TP" << Other << Third << "none" << "8 9 10" << none;
        QTest::newRow("5 routine to ourselves: left wins") << "INDIVIDUAL" << "ROUTINE" << "F3E/G3E TP" << Own << Own << "left lime/green" << "8 9 10" << routine;
        QTest::newRow("6 able to us") << "INDIVIDUAL" << "ROUTINE" << "ABLE" << Other << Own << "right lime/green" << "8 9 10" << none;
        QTest::newRow("6 unable to ourselves: right wins") << "INDIVIDUAL" << "ROUTINE" << "UNABLE" << Own << Own << "right lime/green" << "8 9 10" << none;
        QTest::newRow("6 unable sent") << "INDIVIDUAL" << "ROUTINE" << "UNABLE" << Own << Other << "left lime/green" << "8 9 10" << none;
        QTest::newRow("7 group call to our group") << "GROUP" << "ROUTINE" << "F3E/G3E TP" << Other << Group << "right lightgreen/green" << "8 9 10" << none;
        QTest::newRow("7 group call sent") << "GROUP" << "ROUTINE" << "F3E/G3E TP" << Own << "021100001" << "left lightgreen/green" << "8 9 10" << none;
        QTest::newRow("8 pos request to us") << "INDIVIDUAL" << "SAFETY" << "POS REQUEST" << Other << Own << "right yellow/red" << "8 9 10 11" << request;
        QTest::newRow("8 pos request to ourselves: right wins") << "INDIVIDUAL" << "SAFETY" << "POS REQUEST" << Own << Own << "right yellow/red" << "8 9 10 11" << request;
        QTest::newRow("8 pos request sent") << "INDIVIDUAL" << "SAFETY" << "POS REQUEST" << Own << Other << "left yellow/red" << "8 9 10 11" << none;
        QTest::newRow("9 pos reply to us") << "INDIVIDUAL" << "ROUTINE" << "POS REPLY" << Other << Own << "right yellow/red" << "11" << none;
        QTest::newRow("10 polling to us") << "INDIVIDUAL" << "ROUTINE" << "POLLING" << Other << Own << "right pink/blue" << "8 9 10 11" << request;
        QTest::newRow("11 polling ack to us") << "INDIVIDUAL" << "ROUTINE" << "POLLING ACK" << Other << Own << "right pink/blue" << "8 9 10 11" << none;
        QTest::newRow("12 test call to us") << "INDIVIDUAL" << "SAFETY" << "TEST CALL" << Other << Own << "right lightcyan/blue" << "8 9 10 11" << request;
        QTest::newRow("13 test ack sent") << "INDIVIDUAL" << "SAFETY" << "TEST ACK" << Own << Other << "left lightcyan/blue" << "8 9 10 11" << none;
        QTest::newRow("14 pos report to us") << "INDIVIDUAL" << "SAFETY" << "POS REPORT" << Other << Own << "right cyan/blue" << "11" << report;
        QTest::newRow("14 pos report between others") << "INDIVIDUAL" << "SAFETY" << "POS REPORT" << Other << Third << "none" << "11" << none;
        QTest::newRow("15 pos report ack to us") << "INDIVIDUAL" << "SAFETY" << "POS RPT ACK" << Other << Own << "right cyan/blue" << "11" << none;
        QTest::newRow("2+8 later marker where it sets one") << "INDIVIDUAL" << "DISTRESS" << "POS REQUEST" << Other << Own << "right yellow/red" << "8 9 10 11" << request;
        QTest::newRow("2+8 else row 2's marker") << "INDIVIDUAL" << "DISTRESS" << "POS REQUEST" << Other << Third << "right blue/silver" << "8 9 10 11" << none;
        QTest::newRow("unlisted call") << "INDIVIDUAL" << "URGENCY" << "SOMETHING" << Other << Own << "none" << "" << none;
        // clang-format on
    }
    void rules()
    {
        QFETCH(QString, format);
        QFETCH(QString, category);
        QFETCH(QString, info);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, marker);
        QFETCH(QString, blanked);
        QFETCH(int, alarm);

        DscCall call = sample_call(from, to, format, category, info, "03", "06");
        // As the parser leaves them: the words without their padding.
        call.FORMAT = format;
        call.CATEGORY = category;
        call.INFO1 = info;
        const InterpretedCall row = interpret_call(call, Own, Group);

        QCOMPARE(row.marker, ::marker(marker));
        QCOMPARE(int(row.alarm), alarm);
        QCOMPARE(row.cells[3], to == "xxxxxxxxx" ? QString("-") : to);
        QCOMPARE(row.cells[6], info == "F3E/G3E TP" ? QString("TELEPHONY") : info);
        const QStringList shown{QString::fromUtf8("41°07.512 N"), QString::fromUtf8("009°33.048 E"), "10:42", "06"};
        const QStringList blanks = blanked.split(' ', Qt::SkipEmptyParts);
        for (int c = 8; c <= 11; ++c)
            QCOMPARE(row.cells[c], blanks.contains(QString::number(c)) ? QString("-") : shown[c - 8]);
        // The hidden columns keep the raw values whatever is blanked.
        QCOMPARE(QStringList(row.cells.begin() + 12, row.cells.end()),
                 QStringList({"03", "41", "07", "512", "N", "009", "33", "048", "E", "10:42"}));
    }

    void texts_data()
    {
        QTest::addColumn<QString>("datagram");
        QTest::addColumn<QString>("nature");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("time");
        QTest::newRow("a plain call has no position")
            << "DANGER=00,LATD=99,LATM=99,LATC=999,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99"
            << "-"
            << "NO POSITION"
            << "NO POSITION"
            << "NO TIME";
        QTest::newRow("no latitude whatever NS; longitude on its own")
            << "DANGER=11,LATD=99,LATM=99,LATC=999,NS=S,LOND=007,LONM=45,LONC=010,EW=W,TIME=23:59"
            << "MOB"
            << "NO POSITION" << QString::fromUtf8("007°45.010 W") << "23:59";
        QTest::newRow("unlisted nature code")
            << "DANGER=12,LATD=43,LATM=27,LATC=123,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99"
            << "UNKNOWN (12)" << QString::fromUtf8("43°27.123 N") << "NO POSITION"
            << "NO TIME";
        QTest::newRow("nature not a number")
            << "DANGER=ab,LATD=99,LATM=99,LATC=999,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99"
            << "UNKNOWN (ab)"
            << "NO POSITION"
            << "NO POSITION"
            << "NO TIME";
    }
    void texts()
    {
        QFETCH(QString, datagram);
        QFETCH(QString, nature);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(QString, time);
        const InterpretedCall row = interpret_call(parse_datagram(datagram), Own, Group);
        QCOMPARE(row.cells[7], nature);
        QCOMPARE(row.cells[8], latitude);
        QCOMPARE(row.cells[9], longitude);
        QCOMPARE(row.cells[10], time);
    }
};

QTEST_GUILESS_MAIN(TestLogRules)
#include "tst_log_rules.moc"

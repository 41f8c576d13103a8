#include "Peer.h"
#include "core/dsc/DatagramParser.h"
#include "core/dsc/DatagramWriter.h"
#include "core/text/Ascii.h"

#include <QTest>

namespace {
DscCall routineCall()
{
    DscCall c;
    c.RXMMSI = "269070001";
    c.FORMAT = "INDIVIDUAL  ";
    c.CATEGORY = "ROUTINE     ";
    c.INFO1 = "F3E/G3E TP  ";
    c.CH = "06";
    return c;
}

QStringList fields(const DscCall &c)
{
    return {c.TXMMSI, c.RXMMSI, c.FORMAT, c.CATEGORY, c.INFO1, c.DANGER, c.LATD, c.LATM,  c.LATC,
            c.NS,     c.LOND,   c.LONM,   c.LONC,     c.EW,    c.TIME,   c.CH,   c.COMPLY};
}
} // namespace

class TestDatagrams : public QObject
{
    Q_OBJECT

private slots:
    void writersProduceTheExactTexts()
    {
        const QString standard =
            dots("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,CATEGORY=ROUTINE·····,INFO1=F3E/G3E·TP··,"
                 "DANGER=00,LATD=99,LATM=99,LATC=999,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99,CH=06,COMPLY=N");
        const QString alternate =
            dots("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,INFO1=F3E/G3E·TP··,CATEGORY=ROUTINE·····,"
                 "DANGER=00,LATD=99,LATM=99,LATC=999,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99,CH=06,COMPLY=N");
        DscCall call = routineCall();
        // Whatever the record holds in these fields, a plain call carries the fillers.
        call.TXMMSI = "111111111";
        call.DANGER = "07";
        call.LATD = "41";
        call.TIME = "10:42";
        call.COMPLY = "Y";
        QCOMPARE(datagram_text(DscWriter::Plain, call, "274111001", KeyOrder::Standard), standard);
        QCOMPARE(datagram_text(DscWriter::Plain, call, "274111001", KeyOrder::Alternate), alternate);
        QCOMPARE(standard.size(), 191);

        DscCall distress;
        distress.TXMMSI = "269070001";
        distress.RXMMSI = "xxxxxxxxx";
        distress.FORMAT = "DISTRESS    ";
        distress.CATEGORY = "-           ";
        distress.INFO1 = "-           ";
        distress.DANGER = "03";
        distress.LATD = "41";
        distress.LATM = "07";
        distress.LATC = "512";
        distress.NS = "N";
        distress.LOND = "009";
        distress.LONM = "33";
        distress.LONC = "048";
        distress.EW = "E";
        distress.TIME = "10:42";
        distress.CH = "16";
        distress.COMPLY = "Y";
        const QString full = datagram_text(DscWriter::Full, distress, "274111001", KeyOrder::Standard);
        QCOMPARE(full, dots("TXMMSI=269070001,RXMMSI=xxxxxxxxx,FORMAT=DISTRESS····,CATEGORY=-···········,"
                            "INFO1=-···········,DANGER=03,LATD=41,LATM=07,LATC=512,NS=N,LOND=009,LONM=33,LONC=048,"
                            "EW=E,TIME=10:42,CH=16,COMPLY=N"));
        // The position writer: sender from the station, nature always 00, position from the record.
        const QString position = datagram_text(DscWriter::Position, distress, "274111001", KeyOrder::Alternate);
        QVERIFY(position.startsWith("TXMMSI=274111001,RXMMSI=xxxxxxxxx,FORMAT=DISTRESS    ,INFO1=-"));
        QVERIFY(position.contains(",DANGER=00,LATD=41,LATM=07,LATC=512,NS=N,LOND=009,"));
        QVERIFY(position.endsWith(",COMPLY=N"));
    }

    void destinations_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("dataPort");
        QTest::addColumn<QString>("expected"); // "L|B port S|A" per datagram
        const int plain = int(DscWriter::Plain), position = int(DscWriter::Position), full = int(DscWriter::Full);
        QTest::newRow("plain, local") << plain << 0 << 8090 << "L 8090 S, L 8091 A";
        QTest::newRow("position, local") << position << 0 << 8090 << "L 8090 S, L 8091 A";
        QTest::newRow("full, local") << full << 0 << 8090 << "L 8090 S, L 8091 S";
        QTest::newRow("plain, local, 9000") << plain << 0 << 9000 << "L 9000 S, L 8091 A";
        QTest::newRow("position, local, 9000") << position << 0 << 9000 << "L 9000 S, L 9001 A";
        QTest::newRow("full, local, 9000") << full << 0 << 9000 << "L 9000 S, L 9001 S";
        QTest::newRow("plain, network") << plain << 1 << 8090 << "B 8090 S, B 8091 S";
        QTest::newRow("position, network") << position << 1 << 8090 << "B 8090 S, B 8091 S";
        QTest::newRow("65535 wraps to 0") << full << 1 << 65535 << "B 65535 S, B 0 S";
        QTest::newRow("74626 keeps 16 bits") << full << 0 << 74626 << "L 9090 S, L 9091 S";
        QTest::newRow("mode 2 sends nothing") << plain << 2 << 8090 << "";
        QTest::newRow("mode -1 sends nothing") << full << -1 << 8090 << "";
    }
    void destinations()
    {
        QFETCH(int, writer);
        QFETCH(int, mode);
        QFETCH(int, dataPort);
        QFETCH(QString, expected);
        QStringList got;
        for (const DscDestination &d : dsc_destinations(DscWriter(writer), mode, dataPort))
            got << QStringLiteral("%1 %2 %3")
                       .arg(d.broadcast ? "B" : "L")
                       .arg(d.port)
                       .arg(d.order == KeyOrder::Standard ? "S" : "A");
        QCOMPARE(got.join(", "), expected);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const QString standard = datagram_text(DscWriter::Plain, routineCall(), "274111001", KeyOrder::Standard);
        const QStringList routine{"274111001", "269070001", "INDIVIDUAL", "ROUTINE", "F3E/G3E TP", "00",
                                  "99",        "99",        "999",        "N",       "999",        "99",
                                  "999",       "E",         "99:99",      "06",      "N"};
        QTest::newRow("standard order") << standard << routine;
        QTest::newRow("alternate order") << datagram_text(DscWriter::Plain, routineCall(), "274111001",
                                                          KeyOrder::Alternate)
                                         << routine;
        QStringList shortMmsi = routine;
        shortMmsi[0] = "12345,RXM";
        QTest::newRow("short MMSI takes the next key")
            << datagram_text(DscWriter::Plain, routineCall(), "12345", KeyOrder::Standard) << shortMmsi;
        QStringList unpadded = routine;
        unpadded[2] = "GROUP,CATEGO"; // twelve characters, like every FORMAT slice
        QTest::newRow("unpadded FORMAT") << QString(standard).replace("FORMAT=INDIVIDUAL  ", "FORMAT=GROUP")
                                         << unpadded;
        // Without "CH=" the slice starts at the key's length: characters 3 and 4.
        QStringList noCh = routine;
        noCh[15] = "MM";
        QTest::newRow("missing key") << QString(standard).replace(",CH=06", ",XX=06") << noCh;
        QStringList twice = routine;
        twice[15] = "06";
        QTest::newRow("key twice: the first wins") << standard + ",CH=72" << twice;
        QTest::newRow("empty text") << QString() << QStringList(17, QString());
        QStringList high = routine;
        high[1] = "2690?0001";
        QTest::newRow("bytes above 0x7F read as ?")
            << ascii_decode(standard.toLatin1().replace("RXMMSI=269070001", "RXMMSI=2690\xe9"
                                                                            "0001"))
            << high;
        QStringList blanks = routine;
        blanks[4] = "TEST CALL";
        QTest::newRow("blanks and control characters trimmed")
            << QString(standard).replace("INFO1=F3E/G3E TP  ", "INFO1=\tTEST CALL\r\n") << blanks;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(fields(parse_datagram(text)), expected);
    }

    void wireCarriesSevenBitAscii()
    {
        // One "?" per character outside 7-bit ASCII, a character beyond 16 bits included.
        QCOMPARE(ascii_encode(QString::fromUtf8("MMSI=27411100\u00e9,\U0001F6A2!")), QByteArray("MMSI=27411100?,?!"));
        QCOMPARE(ascii_decode(QByteArray("A\x80\xff"
                                         "B")),
                 QString("A??B"));
    }
};

QTEST_GUILESS_MAIN(TestDatagrams)
#include "tst_datagrams.moc"

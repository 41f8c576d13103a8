// Random and mutated datagrams through the real receive path (UDP socket,
// decoding, parser, log): nothing crashes and every datagram becomes one row.
#include "SampleCall.h"
#include "StationFixture.h"
#include "core/dsc/DatagramWriter.h"
#include "core/dsc/DscProtocol.h"
#include "core/station/Station.h"
#include "core/text/Ascii.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

namespace {

constexpr int Datagrams = 100000;
constexpr int MaxUdpPayload = 65507;

QByteArray validDatagram(QRandomGenerator &rng)
{
    static const char *infos[] = {"F3E/G3E TP", "POS REQUEST", "POS REPORT",  "POLLING",  "TEST CALL", "ABLE", "UNABLE",
                                  "POS REPLY",  "POS RPT ACK", "POLLING ACK", "TEST ACK", "DIST ACK",  "-"};
    static const char *formats[] = {"INDIVIDUAL", "GROUP", "ALLSHIPS", "DISTRESS"};
    static const char *categories[] = {"ROUTINE", "SAFETY", "URGENCY", "DISTRESS", "-"};
    const DscCall c = sample_call(
        QString::number(rng.bounded(100000000, 999999999)),
        rng.bounded(4) == 0 ? QStringLiteral("xxxxxxxxx") : QString::number(rng.bounded(100000000, 999999999)),
        QLatin1String(formats[rng.bounded(4)]), QLatin1String(categories[rng.bounded(5)]),
        QLatin1String(infos[rng.bounded(13)]), QStringLiteral("%1").arg(rng.bounded(100), 2, 10, QLatin1Char('0')));
    return ascii_encode(datagram_text(DscWriter(rng.bounded(3)), c, c.TXMMSI, KeyOrder(rng.bounded(2))));
}

QByteArray randomBytes(QRandomGenerator &rng, int size)
{
    QByteArray out(size, Qt::Uninitialized);
    for (char &b : out)
        b = char(rng.bounded(256));
    return out;
}

int randomSize(QRandomGenerator &rng)
{
    const int pick = rng.bounded(100);
    if (pick < 70)
        return rng.bounded(300);
    if (pick < 97)
        return rng.bounded(300, 4096);
    return rng.bounded(4096, MaxUdpPayload + 1);
}

QByteArray mutated(QRandomGenerator &rng)
{
    QByteArray d = validDatagram(rng);
    switch (rng.bounded(7)) {
    case 0: // truncated
        d.truncate(rng.bounded(d.size() + 1));
        break;
    case 1: // a key repeated with another value
        d += ",CH=" + randomBytes(rng, 2) + ",FORMAT=" + randomBytes(rng, rng.bounded(20));
        break;
    case 2: // bytes flipped, high bytes included
        for (int i = rng.bounded(1, 12); i > 0; --i)
            d[rng.bounded(d.size())] = char(rng.bounded(256));
        break;
    case 3: // commas and '=' removed
        d.replace(',', "").replace('=', ' ');
        break;
    case 4: // keys only, no values
        d = "TXMMSI=RXMMSI=FORMAT=CATEGORY=INFO1=DANGER=LATD=LATM=LATC=NS=LOND=LONM=LONC=EW=TIME=CH=COMPLY=";
        break;
    case 5: // padded to a large datagram
        d += randomBytes(rng, rng.bounded(MaxUdpPayload - d.size()));
        break;
    default: // markup and control characters in the values
        d.replace("TXMMSI=", "TXMMSI=<b>\r\n\t<img src=x>");
        break;
    }
    return d.left(MaxUdpPayload);
}

} // namespace

class TestFuzzReceive : public QObject
{
    Q_OBJECT

private slots:
    void everyDatagramBecomesOneRow()
    {
        StationFolder folder;
        Station station(folder.environment());
        station.configure();
        station.startReceiving();
        QSignalSpy received(&station, &Station::callLogged);

        QRandomGenerator rng(20261211);
        QUdpSocket sender;
        int sent = 0;
        while (sent < Datagrams) {
            // Send in bursts the receive buffer holds, then let the station catch up.
            qint64 burstBytes = 0;
            int burst = 0;
            while (sent < Datagrams && burst < 100 && burstBytes < 256 * 1024) {
                const int kind = rng.bounded(3);
                const QByteArray d = kind == 0   ? randomBytes(rng, randomSize(rng))
                                     : kind == 1 ? mutated(rng)
                                                 : validDatagram(rng);
                QCOMPARE(sender.writeDatagram(d, QHostAddress::LocalHost, dsc::ReceivePort), qint64(d.size()));
                burstBytes += d.size();
                ++burst;
                ++sent;
            }
            while (received.size() < sent)
                QVERIFY2(received.wait(5000),
                         qPrintable(QStringLiteral("%1 of %2 arrived").arg(received.size()).arg(sent)));
        }
        QCOMPARE(received.size(), Datagrams);
        QCOMPARE(station.log().rowCount(), Datagrams);
        QCOMPARE(station.log().lastLoggedRow(), Datagrams - 1);
    }
};

QTEST_GUILESS_MAIN(TestFuzzReceive)
#include "tst_fuzz_receive.moc"

// A station without its window: compose, send, receive, log, raise the
// alarm, acknowledge; over the in-process loopback network and over UDP.
#include "StationFixture.h"
#include "core/dsc/AckBuilder.h"
#include "core/dsc/CallBuilder.h"
#include "core/dsc/DscProtocol.h"
#include "core/dsc/LoopbackDscTransport.h"
#include "core/dsc/LoopbackNetwork.h"
#include "core/net/SocketError.h"
#include "core/station/Station.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

void fixEnvironment(StationEnvironment &environment)
{
    environment.setClock([] { return QDateTime(QDate(2026, 12, 11), QTime(11, 42, 5)); });
    auto draws = std::make_shared<QList<int>>(QList<int>{7, 512, 33, 48});
    environment.setDraw([draws](int) {
        const int v = draws->takeFirst();
        draws->append(v);
        return v;
    });
}

// Waits until station has logged count calls.
bool waitForCalls(Station &station, int count)
{
    QSignalSpy logged(&station, &Station::callLogged);
    while (station.log().callCount() < count)
        if (!logged.wait(2000))
            return false;
    return true;
}

QStringList shown(const LogRow &row)
{
    QStringList cells;
    for (int c = int(LogColumn::From); c <= int(LogColumn::Channel); ++c)
        cells << row.cell(c);
    return cells;
}

} // namespace

class TestStation : public QObject
{
    Q_OBJECT

private slots:
    void routineCallAndItsAnswer_data()
    {
        QTest::addColumn<bool>("udp");
        QTest::newRow("loopback network") << false;
        QTest::newRow("UDP on this host") << true;
    }
    void routineCallAndItsAnswer()
    {
        // Over UDP one station plays both ships: in local mode it hears its own calls.
        QFETCH(bool, udp);
        StationFolder folderA("[radio]\nmmsi=274111001\nmode=1\n"),
            folderB(udp ? "[radio]\nmmsi=211000002\nmode=0\n" : "[radio]\nmmsi=211000002\nmode=1\n");
        LoopbackNetwork network;
        auto make = [&](StationFolder &folder) {
            fixEnvironment(folder.environment());
            std::unique_ptr<DscTransport> transport;
            if (!udp)
                transport = std::make_unique<LoopbackDscTransport>(network, dsc::ReceivePort);
            auto station = std::make_unique<Station>(folder.environment(), std::move(transport));
            station->configure();
            station->startReceiving();
            return station;
        };
        std::unique_ptr<Station> a = udp ? nullptr : make(folderA);
        std::unique_ptr<Station> b = make(folderB);
        Station &caller = udp ? *b : *a;

        caller.send(call_builder::routine_call(caller.settings().stationMmsi, "211000002", "72"));
        QVERIFY(waitForCalls(*b, 1));
        const LogRow &heard = b->log().row(0);
        QCOMPARE(shown(heard), QStringList({caller.settings().stationMmsi, "211000002", "INDIVIDUAL", "ROUTINE",
                                            "TELEPHONY", "-", "-", "-", "-", "72"}));
        QCOMPARE(heard.cell(LogColumn::Received), QString("11:42:05"));
        QCOMPARE(heard.marker.shape, udp ? MarkerShape::LeftArrow : MarkerShape::RightArrow);
        QVERIFY(b->alarms().isRaised(AlarmClass::Routine));
        QCOMPARE(b->acknowledgementsFor(0), (std::array<bool, 6>{false, true, false, false, false, false}));

        const OutgoingCall answer = ack_builder::routine_ack(heard, "211000002", "16", false);
        b->acknowledge(0, AckKind::Routine, &answer);
        QVERIFY(!b->alarms().isRaised(AlarmClass::Routine));
        QCOMPARE(b->log().row(0).marker, (LogMarker{MarkerShape::RoundedSquare, {0, 255, 0}, {0, 128, 0}}));
        QCOMPARE(b->log().row(0).background, std::optional<Rgb>(ack_builder::HandledBackground));

        QVERIFY(waitForCalls(caller, 2));
        const LogRow &reply = caller.log().row(1);
        QCOMPARE(shown(reply), QStringList({"211000002", caller.settings().stationMmsi, "INDIVIDUAL", "ROUTINE",
                                            "UNABLE", "-", "-", "-", "-", "16"}));
        if (!udp) {
            QCOMPARE(caller.log().row(0).marker.shape, MarkerShape::LeftArrow); // its own call
            QCOMPARE(reply.marker.shape, MarkerShape::RightArrow);
            QVERIFY(!a->alarms().isRaised(AlarmClass::Routine)); // an answer raises nothing
        }
    }

    void distressAlertAcknowledgedWithItsOwnPosition()
    {
        StationFolder folder("[radio]\nmmsi=274111001\n[gps_setup]\nGPS_LAT=43\nGPS_NS=S\nutc=2\n");
        fixEnvironment(folder.environment());
        LoopbackNetwork network;
        Station station(folder.environment(), std::make_unique<LoopbackDscTransport>(network, dsc::ReceivePort));
        QVERIFY(station.configure().isEmpty());
        station.startReceiving();

        station.send(call_builder::distress_alert(station.settings().distressedMmsi, "03", station.drawFix()));
        QVERIFY(waitForCalls(station, 1));
        QCOMPARE(shown(station.log().row(0)),
                 QStringList({"269070001", "-", "DISTRESS", "-", "-", "FLOODING", QString::fromUtf8("43°07.512 S"),
                              QString::fromUtf8("009°33.048 E"), "09:42", "16"}));
        QVERIFY(station.alarms().isRaised(AlarmClass::Distress));

        const OutgoingCall ack = ack_builder::distress_ack(station.log().row(0), "274111001");
        station.acknowledge(0, AckKind::Distress, &ack);
        QVERIFY(!station.alarms().isRaised(AlarmClass::Distress));
        QVERIFY(waitForCalls(station, 2));
        QCOMPARE(shown(station.log().row(1)),
                 QStringList({"274111001", "269070001", "ALLSHIPS", "DISTRESS", "DIST ACK", "FLOODING",
                              QString::fromUtf8("43°07.512 S"), QString::fromUtf8("009°33.048 E"), "09:42", "16"}));
    }

    void refusedAcknowledgementStillMarksTheRow()
    {
        // data_port 65535: the second datagram of a full call goes to port 0, which is refused.
        StationFolder folder("[radio]\nmmsi=274111001\ndata_port=65535\n");
        Station station(folder.environment());
        station.configure();
        station.receive("TXMMSI=211000002,RXMMSI=xxxxxxxxx,FORMAT=DISTRESS    ,CATEGORY=-           ,"
                        "INFO1=-           ,DANGER=01,LATD=41,LATM=07,LATC=512,NS=N,LOND=009,LONM=33,LONC=048,"
                        "EW=E,TIME=10:42,CH=16,COMPLY=N");
        QVERIFY(station.alarms().isRaised(AlarmClass::Distress));
        const OutgoingCall ack = ack_builder::distress_ack(station.log().row(0), "274111001");
        QVERIFY_THROWS_EXCEPTION(SocketError, station.acknowledge(0, AckKind::Distress, &ack));
        QVERIFY(!station.alarms().isRaised(AlarmClass::Distress));
        QCOMPARE(station.log().row(0).marker.shape, MarkerShape::RoundedSquare);
    }

    void logKeepsItsNewestRows()
    {
        StationFolder folder;
        Station station(folder.environment());
        station.configure();
        QSignalSpy removed(&station.log(), &MessageLog::rowsRemoved);
        auto call = [](int i) {
            return QByteArray("TXMMSI=") + QByteArray::number(100000000 + i)
                   + ",RXMMSI=274111001,FORMAT=INDIVIDUAL  ,CATEGORY=ROUTINE     ,INFO1=POLLING     ,CH=16";
        };
        for (int i = 0; i < MessageLog::MaxRows; ++i)
            station.receive(call(i));
        QCOMPARE(station.log().rowCount(), MessageLog::MaxRows);
        QCOMPARE(removed.size(), 0);
        station.receive(call(MessageLog::MaxRows));
        // The oldest rows left together; the row numbers of the rest went down with them.
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed.first().first().toInt(), MessageLog::DropRows);
        QCOMPARE(station.log().rowCount(), MessageLog::MaxRows - MessageLog::DropRows + 1);
        QCOMPARE(station.log().lastLoggedRow(), station.log().rowCount() - 1);
        QCOMPARE(station.log().cell(0, LogColumn::From), QString::number(100000000 + MessageLog::DropRows));
        QCOMPARE(station.log().cell(station.log().lastLoggedRow(), LogColumn::From),
                 QString::number(100000000 + MessageLog::MaxRows));
    }
};

QTEST_GUILESS_MAIN(TestStation)
#include "tst_station.moc"

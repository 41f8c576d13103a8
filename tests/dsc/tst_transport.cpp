#include "ModalScript.h"
#include "Peer.h"
#include "StationFixture.h"
#include "dsc/chiamate.h"
#include "dsc/dsc_protocol.h"
#include "platform/Ascii.h"
#include "platform/MessageGrid.h"
#include "platform/UdpClient.h"
#include "platform/UdpServer.h"
#include "shell/Unit1.h"

#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>
#include <memory>

namespace {

void composeRoutine(const QString &to, const QString &ch)
{
    outgoing_call.RXMMSI = to;
    outgoing_call.FORMAT = "INDIVIDUAL  ";
    outgoing_call.CATEGORY = "ROUTINE     ";
    outgoing_call.INFO1 = "F3E/G3E TP  ";
    outgoing_call.CH = ch;
    outgoing_call.TXMMSI = "269070001";
    outgoing_call.DANGER = "05";
    outgoing_call.LATD = "41";
    outgoing_call.LATM = "07";
    outgoing_call.LATC = "512";
    outgoing_call.NS = "N";
    outgoing_call.LOND = "009";
    outgoing_call.LONM = "33";
    outgoing_call.LONC = "048";
    outgoing_call.EW = "E";
    outgoing_call.TIME = "10:42";
}

} // namespace

class TestTransport : public QObject
{
    Q_OBJECT

private slots:
    void stationLogsItsOwnCallOnce()
    {
        // Default configuration: the first datagram goes to 8090 where nobody
        // listens; the port-unreachable that comes back must not fail the second.
        StationFolder folder;
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.UDP_RX->isActive());
        QSignalSpy received(form.UDP_RX, &UdpServer::datagramReceived);

        composeRoutine("269070001", "06");
        send_plain_call();
        QVERIFY(received.wait(2000));
        composeRoutine("269070002", "72");
        send_plain_call();
        QVERIFY(received.size() == 2 || received.wait(2000));
        QCOMPARE(form.message_grid->rowCount(), 3); // two calls, two rows
        QCOMPARE(form.message_grid->cell(3, 1), QString("269070001"));
        QCOMPARE(form.message_grid->cell(3, 2), QString("269070002"));
        QCOMPARE(form.message_grid->cell(2, 1), QString("274111001"));
        QCOMPARE(form.message_grid->gridModel()->marker(1).shape, MarkerShape::LeftArrow);
        QVERIFY(form.UDP_TX->localPort() != 0);
    }

    void portsAndKeyOrders_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<int>("dataPort");
        QTest::addColumn<int>("firstPort");
        QTest::addColumn<int>("secondPort");
        QTest::addColumn<bool>("secondAlternate");
        const int plain = int(DscWriter::Plain), position = int(DscWriter::Position), full = int(DscWriter::Full);
        QTest::newRow("plain 8090") << plain << 8090 << 8090 << 8091 << true;
        QTest::newRow("plain 9000") << plain << 9000 << 9000 << 8091 << true;
        QTest::newRow("position 9000") << position << 9000 << 9000 << 9001 << true;
        QTest::newRow("full 9000") << full << 9000 << 9000 << 9001 << false;
        QTest::newRow("full 74626") << full << 74626 << 9090 << 9091 << false;
    }
    void portsAndKeyOrders()
    {
        QFETCH(int, writer);
        QFETCH(int, dataPort);
        QFETCH(int, firstPort);
        QFETCH(int, secondPort);
        QFETCH(bool, secondAlternate);
        // The station is not shown, so its receiver is off and port 8091 is ours.
        StationFolder folder(QStringLiteral("[radio]\nmmsi=274111001\ndata_port=%1\n").arg(dataPort).toLatin1());
        TForm1 form;
        PeerListener first{quint16(firstPort)}, second{quint16(secondPort)};
        composeRoutine("244000003", "16");
        const DscWriter w = DscWriter(writer);
        w == DscWriter::Plain ? send_plain_call() : w == DscWriter::Position ? send_position_call() : send_full_call();
        QCOMPARE(first.drain(), QStringList{datagram_text(w, outgoing_call, station_mmsi, KeyOrder::Standard)});
        QCOMPARE(second.drain(), QStringList{datagram_text(w, outgoing_call, station_mmsi,
                                                           secondAlternate ? KeyOrder::Alternate : KeyOrder::Standard)});
    }

    void otherModesSendNothing()
    {
        StationFolder folder("[radio]\nmode=2\n");
        TForm1 form;
        PeerListener first(8090), second(8091);
        composeRoutine("244000003", "16");
        send_plain_call();
        send_full_call();
        QCOMPARE(first.drain(), QStringList());
        QCOMPARE(second.drain(), QStringList());
    }

    void refusedSendStopsTheCall()
    {
        // data_port 65535: the second port is 0, which the socket layer refuses.
        StationFolder folder("[radio]\ndata_port=65535\n");
        TForm1 form;
        PeerListener first(65535);
        composeRoutine("244000003", "16");
        QString error;
        try {
            send_full_call();
        } catch (const SocketError &e) {
            error = e.message();
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(first.drain().size(), 1);
        // The client keeps working.
        PeerListener again(9300);
        form.UDP_TX->send("localhost", 9300, "ping");
        QCOMPARE(again.drain(), QStringList{"ping"});
    }

    void heldPortIsReportedAndTheWindowWorksOn()
    {
        UdpServer other(dsc::ReceivePort);
        other.activate();
        StationFolder folder;
        ModalScript script;
        script.message(UdpServer::addressInUseText());
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(!form.UDP_RX->isActive());
        // It can still send.
        PeerListener listener(9400);
        form.UDP_TX->send("localhost", 9400, "still here");
        QCOMPARE(listener.drain(), QStringList{"still here"});
    }
};

QTEST_MAIN(TestTransport)
#include "tst_transport.moc"

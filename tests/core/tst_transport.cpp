#include "Peer.h"
#include "SampleCall.h"
#include "StationFixture.h"
#include "core/dsc/DatagramWriter.h"
#include "core/dsc/DscProtocol.h"
#include "core/dsc/UdpDscTransport.h"
#include "core/station/Station.h"
#include "core/text/Ascii.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QUdpSocket>
#include <memory>

namespace {

OutgoingCall routine(const QString &to, const QString &ch, DscWriter writer = DscWriter::Plain)
{
    return {sample_call("269070001", to, "INDIVIDUAL", "ROUTINE", "F3E/G3E TP", "05", ch), writer};
}

// A configured station over UDP, not yet receiving.
std::unique_ptr<Station> station(StationFolder &folder)
{
    auto s = std::make_unique<Station>(folder.environment());
    s->configure();
    return s;
}

UdpDscTransport &udp(Station &s)
{
    return static_cast<UdpDscTransport &>(s.transport());
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
        auto s = station(folder);
        s->startReceiving();
        QVERIFY(udp(*s).server().isActive());
        QSignalSpy logged(s.get(), &Station::callLogged);

        s->send(routine("269070001", "06"));
        QVERIFY(logged.wait(2000));
        s->send(routine("269070002", "72"));
        QVERIFY(logged.size() == 2 || logged.wait(2000));
        const MessageLog &log = s->log();
        QCOMPARE(log.rowCount(), 2); // two calls, two rows
        QCOMPARE(log.cell(0, LogColumn::To), QString("269070001"));
        QCOMPARE(log.cell(1, LogColumn::To), QString("269070002"));
        QCOMPARE(log.cell(0, LogColumn::From), QString("274111001"));
        QCOMPARE(log.row(0).marker.shape, MarkerShape::LeftArrow);
        QVERIFY(udp(*s).client().localPort() != 0);
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
    }
    void portsAndKeyOrders()
    {
        QFETCH(int, writer);
        QFETCH(int, dataPort);
        QFETCH(int, firstPort);
        QFETCH(int, secondPort);
        QFETCH(bool, secondAlternate);
        // The station does not receive, so port 8091 is ours.
        StationFolder folder(QStringLiteral("[radio]\nmmsi=274111001\ndata_port=%1\n").arg(dataPort).toLatin1());
        auto s = station(folder);
        PeerListener first{quint16(firstPort)}, second{quint16(secondPort)};
        const DscWriter w = DscWriter(writer);
        const OutgoingCall call = routine("244000003", "16", w);
        s->send(call);
        const QString own = "274111001";
        QCOMPARE(first.drain(), QStringList{datagram_text(w, call.call, own, KeyOrder::Standard)});
        QCOMPARE(second.drain(), QStringList{datagram_text(
                                     w, call.call, own, secondAlternate ? KeyOrder::Alternate : KeyOrder::Standard)});
    }

    void otherModesSendNothing()
    {
        StationFolder folder("[radio]\nmode=2\n");
        auto s = station(folder);
        PeerListener first(8090), second(8091);
        QVERIFY_THROWS_EXCEPTION(ModeError, s->send(routine("244000003", "16")));
        QVERIFY_THROWS_EXCEPTION(ModeError, s->send(routine("244000003", "16", DscWriter::Full)));
        QCOMPARE(first.drain(), QStringList());
        QCOMPARE(second.drain(), QStringList());
    }

    void refusedSendStopsTheCall()
    {
        // data_port 65535: the second port is 0, which the socket layer refuses.
        StationFolder folder("[radio]\ndata_port=65535\n");
        auto s = station(folder);
        PeerListener first(65535);
        QString error;
        try {
            s->send(routine("244000003", "16", DscWriter::Full));
        } catch (const SocketError &e) {
            error = e.message();
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(first.drain().size(), 1);
        // The client keeps working.
        PeerListener again(9300);
        udp(*s).client().send("localhost", 9300, "ping");
        QCOMPARE(again.drain(), QStringList{"ping"});
    }

    void callsTheQueueCannotHoldAreCounted()
    {
        // The window is busy (no event loop) while over 64 MiB arrives: what the
        // receive queue cannot hold is dropped, counted and said.
        StationFolder folder;
        auto s = station(folder);
        s->startReceiving();
        QSignalSpy dropped(&s->transport(), &DscTransport::datagramsDropped);
        QUdpSocket flood;
        flood.setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, 4 * 1024 * 1024);
        const QByteArray big(60000, 'x');
        for (int i = 0; i < 5000 && udp(*s).server().dropped() == 0; ++i) {
            flood.writeDatagram(big, QHostAddress::LocalHost, dsc::ReceivePort);
            // Paced a little, so the kernel's buffer keeps up with the reader thread.
            if (i % 50 == 49)
                QThread::msleep(5);
        }
        QThread::msleep(300); // the reader thread takes in what the kernel holds
        QVERIFY(dropped.wait(5000));
        const quint64 total = udp(*s).server().dropped();
        QVERIFY2(total > 0, "nothing dropped");
        QCOMPARE(dropped.last().first().value<quint64>(), total);
    }

    void heldPortIsReportedAndTheStationSendsOn()
    {
        UdpServer other(dsc::ReceivePort);
        other.activate();
        StationFolder folder;
        auto s = station(folder);
        QString error;
        try {
            s->startReceiving();
        } catch (const std::runtime_error &e) {
            error = QString::fromUtf8(e.what());
        }
        QCOMPARE(error, UdpServer::addressInUseText());
        QVERIFY(!s->transport().isReceiving());
        // It can still send.
        PeerListener listener(9400);
        udp(*s).client().send("localhost", 9400, "still here");
        QCOMPARE(listener.drain(), QStringList{"still here"});
    }
};

QTEST_GUILESS_MAIN(TestTransport)
#include "tst_transport.moc"

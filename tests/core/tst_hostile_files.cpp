// Hand-edited or hostile settings files and channel tables: what a station
// makes of each, started headless.
#include "StationFixture.h"
#include "core/config/AudioDeviceChoice.h"
#include "core/config/IniFile.h"
#include "core/dsc/CallBuilder.h"
#include "core/dsc/DscProtocol.h"
#include "core/dsc/LoopbackDscTransport.h"
#include "core/dsc/LoopbackNetwork.h"
#include "core/net/SocketError.h"
#include "core/station/Station.h"

#include <QFile>
#include <QTest>
#include <memory>

namespace {

QString portsOf(const Station &station, int row)
{
    const Station::VoicePorts p = station.voicePorts(row);
    return QStringLiteral("%1/%2").arg(p.receivePort()).arg(p.transmitPort());
}

// What a send does: "sent" or the error's words.
QString sendOutcome(Station &station)
{
    try {
        station.send(call_builder::routine_call(station.settings().stationMmsi, "211000002", "06"));
        return QStringLiteral("sent");
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    }
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void settingsFiles_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("what"); // mmsi, group, ports16, send, devices, notices
        QTest::addColumn<QString>("expected");
        const QString file = "<folder>/quillet.ini";
        QTest::newRow("NUL inside the MMSI") << QByteArray("[radio]\nmmsi=2741\0"
                                                           "11001\n",
                                                           24)
                                             << "mmsi"
                                             << "274111001";
        QTest::newRow("control characters in the group") << QByteArray("[radio]\ngroup=\t0274\x1b"
                                                                       "11101\r\n")
                                                         << "group"
                                                         << "027411101";
        QTest::newRow("base port at the top of int: no voice port")
            << QByteArray("[radio]\nbase_port=2147483647\n") << "ports16"
            << "0/0";
        QTest::newRow("negative base port: no voice port") << QByteArray("[radio]\nbase_port=-17000\n") << "ports16"
                                                           << "0/0";
        QTest::newRow("base port past 65535 with the offset") << QByteArray("[radio]\nbase_port=65520\n") << "ports16"
                                                              << "0/0";
        QTest::newRow("base port in range") << QByteArray("[radio]\nbase_port=65000\n") << "ports16"
                                            << "65016/65016";
        QTest::newRow("mode 2: nothing sent, mode and file named")
            << QByteArray("[radio]\nmode=2\n") << "send"
            << "Mode 2 in " + file + " is neither 0 (stand-alone) nor 1 (network): nothing was sent.";
        QTest::newRow("data port past 65535: not cut to 16 bits")
            << QByteArray("[radio]\ndata_port=74626\n") << "send"
            << "data_port 74626 in " + file + " is outside 1 to 65535: nothing was sent.";
        QTest::newRow("device positions at the ends of int")
            << QByteArray("[waveAudio]\nwave.in.deviceIdIndex=-2147483648\nwave.out.deviceIdIndex=2147483647\n")
            << "devices"
            << "0/0";
        QTest::newRow("over 1 MiB: not read, defaults")
            << QByteArray("[radio]\nmmsi=211000001\n" + QByteArray(IniFile::MaxSize, ';')) << "notices"
            << file + " is larger than 1024 KiB and was not read.|274111001";
    }
    void settingsFiles()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, what);
        QFETCH(QString, expected);
        StationFolder folder(ini);
        expected.replace("<folder>", folder.path());
        LoopbackNetwork network;
        Station station(folder.environment(), std::make_unique<LoopbackDscTransport>(network, dsc::ReceivePort));
        const QStringList notices = station.configure();
        if (what != "notices")
            QCOMPARE(notices, QStringList());

        if (what == "mmsi")
            QCOMPARE(station.settings().stationMmsi.str(), expected);
        else if (what == "group")
            QCOMPARE(station.settings().groupMmsi.str(), expected);
        else if (what == "ports16")
            QCOMPARE(portsOf(station, 16), expected);
        else if (what == "send")
            QCOMPARE(sendOutcome(station), expected);
        else if (what == "devices") {
            const AudioDeviceChoice c = AudioDeviceChoice::read(IniFile(station.settingsPath()));
            QCOMPARE(QStringLiteral("%1/%2").arg(c.waveIn).arg(c.waveOut), expected);
        } else if (what == "notices")
            QCOMPARE(notices.join('|') + '|' + station.settings().stationMmsi.str(), expected);
        else
            QFAIL("unknown check");
    }

    void channelTables_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("ports"); // receive/transmit, 0 for none
        QTest::addColumn<QString>("notice");
        QTest::newRow("offset at the top of int")
            << QByteArray("[channels]\n16=16\n1016=2147483647\n1116=16\n") << 16 << "0/17016"
            << "";
        QTest::newRow("offset that makes port 0")
            << QByteArray("[channels]\n20=20\n1020=-17000\n1120=-17000\n") << 20 << "0/0"
            << "";
        QTest::newRow("offset far below") << QByteArray("[channels]\n21=21\n1121=-2147483648\n") << 21 << "17021/0"
                                          << "";
        QTest::newRow("binary garbage: defaults")
            << QByteArray("\x00\xff\x01[chan\n\x02=\x03\n", 13) << 7 << "17007/17007"
            << "";
        QTest::newRow("over 1 MiB: not read")
            << QByteArray("[channels]\n7=99\n1007=1\n" + QByteArray(IniFile::MaxSize, '\n')) << 7 << "17007/17007"
            << "<folder>/channels.ini is larger than 1024 KiB and was not read.";
    }
    void channelTables()
    {
        QFETCH(QByteArray, table);
        QFETCH(int, row);
        QFETCH(QString, ports);
        QFETCH(QString, notice);
        StationFolder folder;
        QFile f(folder.path() + "/channels.ini");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(table);
        f.close();
        notice.replace("<folder>", folder.path());
        Station station(folder.environment());
        QCOMPARE(station.configure(), notice.isEmpty() ? QStringList() : QStringList{notice});
        QCOMPARE(portsOf(station, row), ports);
        // Up and down from the row change nothing of the above.
        station.channelSelector().select(row);
        station.channelSelector().next();
        station.channelSelector().previous();
        QCOMPARE(portsOf(station, station.channelSelector().row()), ports);
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostile_files.moc"

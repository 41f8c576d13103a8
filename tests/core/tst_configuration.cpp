#include "core/config/IniFile.h"
#include "core/config/StationSettings.h"
#include "core/net/LocalAddresses.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestConfiguration : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    void writeIni(const QByteArray &bytes)
    {
        QFile::remove(m_dir.filePath("quillet.ini"));
        if (bytes == "<none>")
            return;
        QFile f(m_dir.filePath("quillet.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QString path() const { return m_dir.filePath("quillet.ini"); }

private slots:
    void load_data()
    {
        QTest::addColumn<QByteArray>("ini");
        // mmsi|group|distressed|mode|base|data|latd|lond|ns|ew|utc|restore|radio|bindIndex
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("modeText");

        const QString defaults = "274111001|027411101|269070001|0|17000|8090|41|009|N|E|0|0|0|0";
        QTest::newRow("no file") << QByteArray("<none>") << defaults << "LOCAL MODE";
        QTest::newRow("empty file") << QByteArray("") << defaults << "LOCAL MODE";
        QTest::newRow("garbage") << QByteArray("\xff\xfe\x00garbage\n[radio\nmmsi\n") << defaults << "LOCAL MODE";
        QTest::newRow("window keys only") << QByteArray("[settings]\nForm1.left=3\n") << defaults << "LOCAL MODE";
        QTest::newRow("all keys, other spellings") << QByteArray(
            "[RADIO]\nMMSI=211000001\nGroup=021100001\ndistressed=244000001\nmode=1\n"
            "base_port=18000\ndata_port=9000\nposition=1\nshow_radio=1\n"
            "[gps_setup]\ngps_lat=0\ngps_lon=5\nUTC=3\ngps_ns=south\ngps_ew=w\n[audiobind]\nbindtoindex=1\n")
                                                   << "211000001|021100001|244000001|1|18000|9000|00|005|S|W|3|1|1|1"
                                                   << "NETWORK MODE";
        QTest::newRow("out of range degrees, long mmsi, mode 2")
            << QByteArray("[radio]\nmmsi=12345678901\nmode=2\nposition=2\n[gps_setup]\nGPS_LAT=95\nGPS_LON=180\n"
                          "GPS_NS=x\nutc=-2\n[AudioBind]\nBindToIndex=99\n")
            << "123456789|027411101|269070001|2|17000|8090|43|009|X|E|-2|0|0|99"
            << "NETWORK MODE";
        QTest::newRow("negative latitude, empty mmsi, bad integers")
            << QByteArray("[radio]\nmmsi=\nmode=abc\nbase_port=\n[gps_setup]\nGPS_LAT=-1\nGPS_LON=179\nutc=x\n")
            << "|027411101|269070001|0|17000|8090|43|179|N|E|0|0|0|0"
            << "LOCAL MODE";
    }
    void load()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, expected);
        QFETCH(QString, modeText);
        writeIni(ini);

        QStringList notices;
        const StationSettings s = StationSettings::load(IniFile(path()), &notices);
        QCOMPARE(notices, ini == "<none>" ? QStringList{"File quillet.ini not found !"} : QStringList());

        const QStringList e = expected.split('|');
        QCOMPARE(s.stationMmsi.str(), e[0]);
        QCOMPARE(s.groupMmsi.str(), e[1]);
        QCOMPARE(s.distressedMmsi.str(), e[2]);
        QCOMPARE(s.mode, e[3].toInt());
        QCOMPARE(s.basePort, e[4].toInt());
        QCOMPARE(s.dataPort, e[5].toInt());
        QCOMPARE(s.latitudeDegrees.str(), e[6]);
        QCOMPARE(s.longitudeDegrees.str(), e[7]);
        QCOMPARE(s.northSouth.str(), e[8]);
        QCOMPARE(s.eastWest.str(), e[9]);
        QCOMPARE(s.utcOffset, e[10].toInt());
        QCOMPARE(s.restorePosition, e[11] == "1");
        QCOMPARE(s.showRadio, e[12] == "1");
        QCOMPARE(s.bindIndex, e[13].toInt());
        QCOMPARE(s.mmsiStatus(), " MMSI = " + e[0]);
        QCOMPARE(s.groupStatus(), " GROUP = " + e[1]);
        QCOMPARE(s.modeStatus(), modeText);
        const QStringList addresses = bind_address_list();
        QVERIFY(!addresses.isEmpty());
        QCOMPARE(addresses.first(), QString("0.0.0.0"));
    }

    void missingFileWarnsAtEveryLoad()
    {
        writeIni("<none>");
        for (int load = 0; load < 2; ++load) {
            QStringList notices;
            StationSettings::load(IniFile(path()), &notices);
            QCOMPARE(notices, QStringList{"File quillet.ini not found !"});
        }
        QVERIFY(!QFile::exists(m_dir.filePath("quillet.ini"))); // the loader never creates it
    }
};

QTEST_GUILESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"

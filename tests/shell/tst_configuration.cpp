#include "ModalScript.h"
#include "shell/FileIni.h"
#include "shell/globals.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct RecordingView : ConfigurationView
{
    QStringList status{QString(), QString(), QString()};
    QStringList addresses;
    int index = -100;
    void setStatusText(int panel, const QString &text) override { status[panel] = text; }
    void setBindAddresses(const QStringList &a, int i) override
    {
        addresses = a;
        index = i;
    }
};
} // namespace

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

private slots:
    void initTestCase() { set_program_folder(m_dir.path()); }

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
        QTest::newRow("all keys, other spellings")
            << QByteArray("[RADIO]\nMMSI=211000001\nGroup=021100001\ndistressed=244000001\nmode=1\n"
                          "base_port=18000\ndata_port=9000\nposition=1\nshow_radio=1\n"
                          "[gps_setup]\ngps_lat=0\ngps_lon=5\nUTC=3\ngps_ns=south\ngps_ew=w\n[audiobind]\nbindtoindex=1\n")
            << "211000001|021100001|244000001|1|18000|9000|00|005|S|W|3|1|1|1" << "NETWORK MODE";
        QTest::newRow("out of range degrees, long mmsi, mode 2")
            << QByteArray("[radio]\nmmsi=12345678901\nmode=2\nposition=2\n[gps_setup]\nGPS_LAT=95\nGPS_LON=180\n"
                          "GPS_NS=x\nutc=-2\n[AudioBind]\nBindToIndex=99\n")
            << "123456789|027411101|269070001|2|17000|8090|43|009|X|E|-2|0|0|99" << "NETWORK MODE";
        QTest::newRow("negative latitude, empty mmsi, bad integers")
            << QByteArray("[radio]\nmmsi=\nmode=abc\nbase_port=\n[gps_setup]\nGPS_LAT=-1\nGPS_LON=179\nutc=x\n")
            << "|027411101|269070001|0|17000|8090|43|179|N|E|0|0|0|0" << "LOCAL MODE";
    }
    void load()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, expected);
        QFETCH(QString, modeText);
        writeIni(ini);

        ModalScript script;
        if (ini == "<none>")
            script.message("File quillet.ini not found !");
        RecordingView view;
        load_configuration(view);
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));

        const QStringList e = expected.split('|');
        QCOMPARE(station_mmsi.str(), e[0]);
        QCOMPARE(group_mmsi.str(), e[1]);
        QCOMPARE(distressed_mmsi.str(), e[2]);
        QCOMPARE(sim_mode, e[3].toInt());
        QCOMPARE(base_port, e[4].toInt());
        QCOMPARE(data_port, e[5].toInt());
        QCOMPARE(own_position.latd.str(), e[6]);
        QCOMPARE(own_position.lond.str(), e[7]);
        QCOMPARE(own_position.ns.str(), e[8]);
        QCOMPARE(own_position.ew.str(), e[9]);
        QCOMPARE(utc_offset, e[10].toInt());
        QCOMPARE(restore_position, e[11] == "1");
        QCOMPARE(show_radio, e[12] == "1");
        QCOMPARE(view.index, e[13].toInt());
        QCOMPARE(view.status[0], " MMSI = " + e[0]);
        QCOMPARE(view.status[1], " GROUP = " + e[1]);
        QCOMPARE(view.status[2], modeText);
        QVERIFY(!view.addresses.isEmpty());
        QCOMPARE(view.addresses.first(), QString("0.0.0.0"));
    }

    void missingFileWarnsAtEveryLoad()
    {
        writeIni("<none>");
        ModalScript script;
        script.message("File quillet.ini not found !").message("File quillet.ini not found !");
        RecordingView view;
        load_configuration(view);
        load_configuration(view);
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(!QFile::exists(m_dir.filePath("quillet.ini"))); // the loader never creates it
    }
};

QTEST_MAIN(TestConfiguration)
#include "tst_configuration.moc"

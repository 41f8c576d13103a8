#include "ModalScript.h"
#include "StationFixture.h"
#include "core/config/IniFile.h"
#include "ui/dialogs/SetupDialog.h"
#include "ui/widgets/MaskEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

class TestSetup : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path; // the settings file the dialog edits, when not iniPath()

    QString iniPath() const { return m_dir.filePath("quillet.ini"); }
    void writeIni(const QByteArray &bytes)
    {
        QFile::remove(iniPath());
        if (bytes == "<none>")
            return;
        QFile f(iniPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readIni()
    {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    // Shows a new dialog through the modal seam and lets act drive it.
    // Messages expected while act runs come in `during`.
    QString runSetup(ModalScript &script, const std::function<int(SetupDialog &)> &act, const QStringList &during = {})
    {
        script.dialog<SetupDialog>(act);
        for (const QString &text : during)
            script.message(text);
        SetupDialog dialog(m_path.isEmpty() ? iniPath() : m_path);
        modal::exec_dialog(dialog);
        return script.problems();
    }

private slots:
    void initTestCase() { install_station_files(m_dir.path()); }

    void showsWhatTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("ini");
        // mmsi|group|mode index|lat|lon|utc|N or S|E or W|position|radio|bind index
        QTest::addColumn<QString>("shown");
        // lat label|lon label|utc label
        QTest::addColumn<QString>("labels");
        QTest::newRow("no file: the dialog's own defaults")
            << QByteArray("<none>") << "002341001|002340001|0|41|9|0|N|E|0|0|0"
            << "41|9|0";
        QTest::newRow("out of range and odd values") << QByteArray(
            "[radio]\nmmsi=211000001\ngroup=021100001\nmode=5\nposition=1\nshow_radio=1\n"
            "[gps_setup]\nGPS_LAT=95\nGPS_LON=-4\nUTC=-20\nGPS_NS=n\nGPS_EW=E\n[AudioBind]\nBindToIndex=77\n")
                                                     << "211000001|021100001|1|89|0|-12|S|E|1|1|0"
                                                     << "89|000|-12";
        QTest::newRow("negative mode selects nothing")
            << QByteArray("[radio]\nmode=-3\n[gps_setup]\nGPS_EW=e\n") << "002341001|002340001|-1|41|9|0|N|W|0|0|0"
            << "41|9|0";
        QTest::newRow("zeros keep the initial labels")
            << QByteArray("[gps_setup]\nGPS_LAT=0\nGPS_LON=0\nUTC=0\n") << "002341001|002340001|0|0|0|0|N|E|0|0|0"
            << "00|000|0";
    }
    void showsWhatTheFileHolds()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, shown);
        QFETCH(QString, labels);
        writeIni(ini);
        const QStringList e = shown.split('|');
        const QStringList l = labels.split('|');
        ModalScript script;
        if (ini == "<none>")
            script.message("File quillet.ini not found !");
        const QString problems = runSetup(script, [&](SetupDialog &d) {
            [&] {
                QCOMPARE(d.windowTitle(), QString("Quillet Configuration Tool"));
                QCOMPARE(d.size(), QSize(771, 342));
                QVERIFY(d.windowFlags() & Qt::WindowStaysOnTopHint);
                QCOMPARE(d.mmsiEdit->text(), e[0]);
                QCOMPARE(d.groupEdit->text(), e[1]);
                QCOMPARE(d.modeIndex(), e[2].toInt());
                QCOMPARE(d.latitudeBar->value(), e[3].toInt());
                QCOMPARE(d.longitudeBar->value(), e[4].toInt());
                QCOMPARE(d.utcBar->value(), e[5].toInt());
                QCOMPARE(d.northButton->isChecked(), e[6] == "N");
                QCOMPARE(d.southButton->isChecked(), e[6] == "S");
                QCOMPARE(d.eastButton->isChecked(), e[7] == "E");
                QCOMPARE(d.westButton->isChecked(), e[7] == "W");
                QCOMPARE(d.savePositionBox->isChecked(), e[8] == "1");
                QCOMPARE(d.showRadioBox->isChecked(), e[9] == "1");
                QCOMPARE(d.bindAddressBox->currentIndex(), e[10].toInt());
                QCOMPARE(d.bindAddressBox->currentText(), QString("0.0.0.0"));
                QCOMPARE(d.latitudeValue->text(), l[0]);
                QCOMPARE(d.longitudeValue->text(), l[1]);
                QCOMPARE(d.utcValue->text(), l[2]);
                QCOMPARE(d.focusWidget(), d.abortButton);
                // Moving a bar away and back shows the plain number.
                d.latitudeBar->setValue(5);
                d.latitudeBar->setValue(e[3].toInt());
                QCOMPARE(d.latitudeValue->text(), e[3]);
            }();
            return int(QDialog::Rejected);
        });
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QCOMPARE(readIni(), ini); // closing without Save writes nothing
    }

    void saveWritesEveryKey_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no file: created with the dialog's values")
            << QByteArray("<none>")
            << QByteArray(
                   "[radio]\nmmsi=002341001\ngroup=002340001\nmode=0\nposition=0\nshow_radio=0\n\n"
                   "[gps_setup]\ngps_lat=41\ngps_lon=9\nutc=0\ngps_NS=N\ngps_EW=E\n\n[AudioBind]\nBindToIndex=0\n");
        QTest::newRow("existing spellings updated, comments kept")
            << QByteArray("; classroom 3\r\n[radio]\r\nmmsi=211000001\r\ngroup=021100001\r\nmode=-3\r\ndistressed=1\r\n"
                          "[gps_setup]\r\nGPS_LAT=95\r\nGPS_LON=12\r\nUTC=2\r\nGPS_NS=n\r\nGPS_EW=W\r\n")
            << QByteArray("; classroom 3\r\n[radio]\r\nmmsi=211000001\r\ngroup=021100001\r\nmode=-1\r\ndistressed=1\r\n"
                          "position=0\r\nshow_radio=0\r\n[gps_setup]\r\nGPS_LAT=89\r\nGPS_LON=12\r\nUTC=2\r\n"
                          "GPS_NS=S\r\nGPS_EW=W\r\n\r\n[AudioBind]\r\nBindToIndex=0\r\n");
    }
    void saveWritesEveryKey()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        writeIni(before);
        ModalScript script;
        if (before == "<none>")
            script.message("File quillet.ini not found !");
        bool closed = false;
        const QString problems = runSetup(script, [&](SetupDialog &d) {
            d.saveButton->click();
            closed = !d.isVisible() && d.result() == QDialog::Accepted;
            return d.result();
        });
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QVERIFY(closed);
        QCOMPARE(readIni(), after);
    }

    void abortRestoresTheFieldsAndWritesNothing()
    {
        const QByteArray ini = "[radio]\nmmsi=211000001\n";
        writeIni(ini);
        ModalScript script;
        QString shownAtClose;
        const QString problems = runSetup(script, [&](SetupDialog &d) {
            d.mmsiEdit->setText("999999999");
            d.latitudeBar->setValue(12);
            d.abortButton->click();
            shownAtClose = d.mmsiEdit->text();
            return d.result();
        });
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QCOMPARE(shownAtClose, QString("211000001"));
        QCOMPARE(readIni(), ini);
    }

    void masksTakeDigitsAndRefuseUnfilledPositions()
    {
        writeIni("[radio]\nmmsi=211000001\n");
        ModalScript script;
        const QString problems =
            runSetup(script,
                     [&](SetupDialog &d) {
                         [&] {
                             d.groupEdit->setFocus();
                             d.groupEdit->selectAll();
                             QTest::keyClicks(d.groupEdit, "ab12"); // the leading 0 is fixed; letters are refused
                             QCOMPARE(d.groupEdit->text(), QString("012"));
                             QVERIFY(!d.groupEdit->isComplete());
                             d.saveButton->click();
                             QVERIFY(d.isVisible()); // refused: nothing written, the dialog stays
                             QTest::keyClick(d.groupEdit, Qt::Key_Escape);
                             QCOMPARE(d.groupEdit->text(), QString("002340001"));
                             QVERIFY(d.isVisible());
                         }();
                         return int(QDialog::Rejected);
                     },
                     {MaskEdit::refusalText()});
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QCOMPARE(readIni(), QByteArray("[radio]\nmmsi=211000001\n"));
    }

    void failedSaveKeepsTheDialogOpen()
    {
        writeIni("<none>");
        QTemporaryDir gone;
        m_path = gone.path() + "/missing/quillet.ini";
        ModalScript script;
        script.message("File quillet.ini not found !");
        bool stillOpen = false;
        const QString problems = runSetup(script,
                                          [&](SetupDialog &d) {
                                              d.saveButton->click();
                                              stillOpen = d.isVisible();
                                              return int(QDialog::Rejected);
                                          },
                                          {"Unable to write to " + m_path});
        m_path.clear();
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QVERIFY(stillOpen);
    }
};

QTEST_MAIN(TestSetup)
#include "tst_setup.moc"

#include "ModalScript.h"
#include "StationFixture.h"
#include "platform/CurvyPanel.h"
#include "platform/IniFile.h"
#include "platform/BroadcastReceiver.h"
#include "platform/MessageGrid.h"
#include "shell/About.h"
#include "shell/FileIni.h"
#include "shell/Unit1.h"
#include "shell/globals.h"
#include "shell/setup.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString iniPath() const { return m_dir.filePath("quillet.ini"); }
    void writeIni(const QByteArray &bytes)
    {
        QFile f(iniPath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // 20 pixels below the top and from the right edge of the primary screen. The
    // frame is only known once the window is up, so its width may move the
    // left edge by a frame's thickness.
    static bool atTopRight(const QWidget &w)
    {
        const int right = QGuiApplication::primaryScreen()->geometry().width() - 20;
        return w.pos().y() == 20 && qAbs(w.frameGeometry().right() + 1 - right) <= 4;
    }

private slots:
    void initTestCase()
    {
        set_program_folder(m_dir.path());
        install_station_files(m_dir.path());
        TFrmSetup::abortPauseMs = 0;
    }
    void init() { QFile::remove(iniPath()); }

    void startsWithDefaultsAndTheLayout()
    {
        ModalScript script;
        script.message("File quillet.ini not found !");
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));

        QCOMPARE(form.windowTitle(), QString("DSC - Quillet"));
        QCOMPARE(form.centralWidget()->height() + form.statusBar()->height(), TForm1::ClientHeight);
        QCOMPARE(form.width(), TForm1::ClientWidth);
        QVERIFY(atTopRight(form));
        QCOMPARE(form.pager->currentWidget(), form.page_message);
        QCOMPARE(form.pager->tabText(0), QString(" DSC Messages  "));
        QCOMPARE(form.pager->tabText(1), QString("VHF Radio"));
        QCOMPARE(form.puntatore, 1);
        QCOMPARE(current_channel, 16);

        // Grid: 22 columns, widths summing to 820, hidden raw-data columns.
        MessageGrid *grid = form.message_grid;
        QCOMPARE(grid->model()->columnCount(), 22);
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->width(), 830);
        QCOMPARE(form.pager->width(), 840);
        const QStringList headers{"", "Received", "From", "To", "Format", "Category", "Informations",
                                  "Nature", "Latitude", "Longitude", "POS Time", "CH"};
        for (int c = 0; c < 22; ++c) {
            QCOMPARE(grid->cell(c, 0), c < 12 ? headers[c] : QString());
            QCOMPARE(grid->isColumnHidden(c), c >= 12);
        }

        QCOMPARE(form.statusText(0), QString(" MMSI = 274111001"));
        QCOMPARE(form.statusText(1), QString(" GROUP = 027411101"));
        QCOMPARE(form.statusText(2), QString("LOCAL MODE"));
        QCOMPARE(form.receiveBindAddress(), QString("0.0.0.0"));
        QCOMPARE(nature_table[0].str(), QString("-"));
        QCOMPARE(nature_table[11].str(), QString("MOB"));

        const QList<std::pair<CurvyPanel *, QColor>> panels{{form.pnl_distress, distress_colour},
                                                             {form.pnl_routine, routine_colour},
                                                             {form.pnl_request, request_colour},
                                                             {form.pnl_report, report_colour}};
        for (const auto &[panel, colour] : panels) {
            QCOMPARE(panel->color(), colour);
            QCOMPARE(panel->size(), QSize(90, 24));
        }
        for (const char *name : {"spb_distAck", "spb_RoutineACK", "spb_testAck", "spb_pollAck", "spb_PosAck",
                                 "spb_posRepAck", "btn_stop"})
            QVERIFY2(!form.findChild<QPushButton *>(name)->isEnabled(), name);
        for (const char *name : {"spb_routine", "spb_group", "spb_safety", "spb_urgency", "spb_distress",
                                 "spb_posreq", "spb_posrep", "spbpoll", "spb_test"}) {
            auto *b = form.findChild<QPushButton *>(name);
            QVERIFY2(b && b->isEnabled() && b->size() == QSize(75, 25), name);
        }
        for (QTimer *t : {form.timer_distress, form.timer_routine, form.timer_request, form.timer_report})
            QVERIFY(!t->isActive() && t->interval() == 300);
    }

    void positionRoundTrip_data()
    {
        QTest::addColumn<bool>("minimise");
        QTest::addColumn<int>("position"); // [radio] position at the next start
        QTest::addColumn<QByteArray>("handEdit");
        QTest::newRow("normal, restored") << false << 1 << QByteArray();
        QTest::newRow("minimised, restored minimised") << true << 1 << QByteArray();
        QTest::newRow("restore off: top right") << false << 0 << QByteArray();
        QTest::newRow("hand-edited enabled 0") << false << 1 << QByteArray("Form1.enabled=0");
    }
    void positionRoundTrip()
    {
        QFETCH(bool, minimise);
        QFETCH(int, position);
        QFETCH(QByteArray, handEdit);
        writeIni("[radio]\nposition=0\n");
        {
            TForm1 form;
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.move(37, 41);
            if (minimise)
                form.showMinimized();
            form.close();
        }
        IniFile ini(iniPath(), "settings");
        QCOMPARE(ini.readInteger("Form1.windowState", -5), minimise ? 1 : 0);
        QCOMPARE(ini.readInteger("Form1.left", -5), 37);
        QCOMPARE(ini.readInteger("Form1.top", -5), 41);
        QCOMPARE(ini.readInteger("Form1.enabled", -5), -1);
        QCOMPARE(ini.readInteger("Form1.docked", -5), 0);
        QCOMPARE(ini.readString("radio", "position", ""), QString("0")); // other keys untouched

        IniFile(iniPath()).writeInteger("radio", "position", position);
        if (!handEdit.isEmpty())
            IniFile(iniPath()).writeString("settings", handEdit.split('=')[0], handEdit.split('=')[1]);
        TForm1 again;
        again.show();
        if (position == 1)
            QCOMPARE(again.pos(), QPoint(37, 41));
        else
            QVERIFY(atTopRight(again));
        QCOMPARE(again.isMinimized(), minimise && position == 1);
        QCOMPARE(again.isEnabled(), handEdit.isEmpty());
    }

    void showRadioPicksTheRadioPage()
    {
        writeIni("[radio]\nshow_radio=1\n");
        TForm1 form;
        form.show();
        QCOMPARE(form.pager->currentWidget(), form.page_vhf);
    }

    void bindIndexBeyondTheListLeavesNoAddress()
    {
        writeIni("[AudioBind]\nBindToIndex=40\n");
        TForm1 form;
        QCOMPARE(form.ComboBox1->currentIndex(), -1);
        QCOMPARE(form.receiveBindAddress(), QString());
    }

    void setupAbortStillReloads()
    {
        writeIni("[radio]\nmmsi=211000001\n");
        TForm1 form;
        form.show();
        ModalScript script;
        script.dialog<TFrmSetup>([this](TFrmSetup &dialog) {
            // Edited by hand while the dialog is open.
            IniFile(iniPath()).writeString("radio", "mmsi", "244000002");
            IniFile(iniPath()).writeInteger("radio", "mode", 1);
            dialog.btn_ABORT->click();
            return int(QDialog::Rejected);
        });
        form.SetupClick();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QCOMPARE(form.statusText(0), QString(" MMSI = 244000002"));
        QCOMPARE(form.statusText(2), QString("NETWORK MODE"));
        QVERIFY(form.isEnabled());
    }

    void setupSaveRebindsTheVoiceReceiver()
    {
        writeIni("[AudioBind]\nBindToIndex=40\n");
        TForm1 form;
        form.show();
        QCOMPARE(form.BroadcastRX->bindAddress(), QString()); // nothing selected: every address
        QVERIFY(form.BroadcastRX->isActive());
        ModalScript script;
        script.dialog<TFrmSetup>([](TFrmSetup &dialog) {
            dialog.btn_SAVE->click();
            return dialog.result();
        });
        form.SetupClick();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QCOMPARE(form.BroadcastRX->bindAddress(), QString("0.0.0.0"));
        QVERIFY(form.BroadcastRX->isActive());
        QCOMPARE(IniFile(iniPath()).readInteger("AudioBind", "BindToIndex", -5), 0);
    }

    void aboutShowsTheBuildVersion()
    {
        writeIni("");
        TForm1 form;
        ModalScript script;
        QString version;
        script.dialog<TAboutBox>([&version](TAboutBox &box) {
            version = box.Version->text();
            return int(QDialog::Accepted);
        });
        form.About1Click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY2(QRegularExpression("^Version = \\d+\\.\\d+\\.\\d+\\.\\d+$").match(version).hasMatch(),
                 qPrintable(version));
    }

    void unwritableFileDoesNotStopTheClose()
    {
        // The folder vanishes under the station: the close reports and goes on.
        QTemporaryDir gone;
        set_program_folder(gone.path());
        install_station_files(gone.path());
        ModalScript script;
        script.message("File quillet.ini not found !");
        auto *form = new TForm1;
        form->show();
        const QString path = configuration_path();
        gone.remove();
        script.message("Unable to write to " + path);
        form->close();
        delete form;
        set_program_folder(m_dir.path());
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"

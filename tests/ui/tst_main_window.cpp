#include "ModalScript.h"
#include "Peer.h"
#include "StationFixture.h"
#include "Widgets.h"
#include "core/config/IniFile.h"
#include "core/dsc/DscProtocol.h"
#include "core/dsc/UdpDscTransport.h"
#include "core/log/NatureOfDistress.h"
#include "core/station/Station.h"
#include "ui/AlarmPanels.h"
#include "ui/MainWindow.h"
#include "ui/MessagePage.h"
#include "ui/RadioPage.h"
#include "ui/StationColours.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/SetupDialog.h"
#include "ui/widgets/AlarmPanel.h"
#include "ui/widgets/MessageGrid.h"
#include "voice/VoiceEngine.h"
#include "voice/VoiceReceiver.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    StationEnvironment environment() const
    {
        StationEnvironment e;
        e.setProgramFolder(m_dir.path());
        e.setStartFolder(m_dir.path());
        return e;
    }
    static bool atTopRight(const QWidget &w)
    {
        const int right = QGuiApplication::primaryScreen()->geometry().width() - 20;
        return w.pos().y() == 20 && qAbs(w.frameGeometry().right() + 1 - right) <= 4;
    }

private slots:
    void initTestCase() { install_station_files(m_dir.path()); }
    void init() { QFile::remove(iniPath()); }

    void startsWithDefaultsAndTheLayout()
    {
        ModalScript script;
        script.message("File quillet.ini not found !");
        MainWindow form(environment());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));

        QCOMPARE(form.windowTitle(), QString("DSC - Quillet"));
        QCOMPARE(form.centralWidget()->height() + form.statusBar()->height(), MainWindow::ClientHeight);
        QCOMPARE(form.width(), MainWindow::ClientWidth);
        QVERIFY(atTopRight(form));
        QCOMPARE(form.pages()->currentWidget(), form.messagePage());
        QCOMPARE(form.pages()->tabText(0), QString(" DSC Messages  "));
        QCOMPARE(form.pages()->tabText(1), QString("VHF Radio"));
        QCOMPARE(form.station().log().lastLoggedRow(), -1);
        QCOMPARE(form.station().channelSelector().row(), 16);

        // Grid: 22 columns, widths summing to 820, hidden raw-data columns.
        MessageGrid *grid = form.messagePage()->grid();
        QCOMPARE(grid->model()->columnCount(), 22);
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->width(), 830);
        QCOMPARE(form.pages()->width(), 840);
        const QStringList headers{"",       "Received", "From",      "To",       "Format", "Category", "Informations",
                                  "Nature", "Latitude", "Longitude", "POS Time", "CH"};
        for (int c = 0; c < 22; ++c) {
            QCOMPARE(grid->cell(c, 0), c < 12 ? headers[c] : QString());
            QCOMPARE(grid->isColumnHidden(c), c >= 12);
        }

        QCOMPARE(form.statusText(0), QString(" MMSI = 274111001"));
        QCOMPARE(form.statusText(1), QString(" GROUP = 027411101"));
        QCOMPARE(form.statusText(2), QString("LOCAL MODE"));
        QCOMPARE(form.radioPage()->receiveBindAddress(), QString("0.0.0.0"));
        QCOMPARE(nature_text("00"), QString("-"));
        QCOMPARE(nature_text("11"), QString("MOB"));

        AlarmPanels *alarms = form.alarmPanels();
        const QList<std::pair<AlarmPanel *, QColor>> panels{
            {alarms->panel(AlarmClass::Distress), station_colours::Distress},
            {alarms->panel(AlarmClass::Routine), station_colours::Routine},
            {alarms->panel(AlarmClass::Request), station_colours::Request},
            {alarms->panel(AlarmClass::Report), station_colours::Report}};
        for (const auto &[panel, colour] : panels) {
            QCOMPARE(panel->color(), colour);
            QCOMPARE(panel->size(), QSize(90, 24));
        }
        for (const char *name :
             {"spb_distAck", "spb_RoutineACK", "spb_testAck", "spb_pollAck", "spb_PosAck", "spb_posRepAck", "btn_stop"})
            QVERIFY2(!form.findChild<QPushButton *>(name)->isEnabled(), name);
        for (const char *name : {"spb_routine", "spb_group", "spb_safety", "spb_urgency", "spb_distress", "spb_posreq",
                                 "spb_posrep", "spbpoll", "spb_test"}) {
            auto *b = form.findChild<QPushButton *>(name);
            QVERIFY2(b && b->isEnabled() && b->size() == QSize(75, 25), name);
        }
        for (QTimer *t :
             {form.alarmPanels()->timer(AlarmClass::Distress), form.alarmPanels()->timer(AlarmClass::Routine),
              form.alarmPanels()->timer(AlarmClass::Request), form.alarmPanels()->timer(AlarmClass::Report)})
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
            MainWindow form(environment());
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
        MainWindow again(environment());
        again.show();
        if (position == 1)
            QCOMPARE(again.pos(), QPoint(37, 41));
        else
            QVERIFY(atTopRight(again));
        QCOMPARE(again.isMinimized(), minimise && position == 1);
        QVERIFY(again.isEnabled()); // never restored disabled: it could not even be closed
    }

    void farOffPositionComesBackWithinReach()
    {
        writeIni("[radio]\nposition=1\n[settings]\nForm1.left=2147483647\nForm1.top=-2147483648\n"
                 "Form1.width=-2147483648\nForm1.height=2147483647\nForm1.enabled=0\n");
        MainWindow form(environment());
        form.show();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect frame = form.frameGeometry();
        // Its title bar and some of its width on the screen, its size its own, enabled.
        QVERIFY2(
            frame.intersected(screen).width() >= 100 && frame.top() >= screen.top() && frame.top() < screen.bottom(),
            qPrintable(
                QStringLiteral("%1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
        QCOMPARE(form.width(), int(MainWindow::ClientWidth));
        QVERIFY(form.isEnabled());
    }

    void droppedCallsAreShown()
    {
        writeIni("");
        MainWindow form(environment());
        emit form.station().transport().datagramsDropped(12);
        QCOMPARE(form.statusBar()->toolTip(),
                 QString("12 calls were lost: they came faster than the station could log them."));
    }

    void showRadioPicksTheRadioPage()
    {
        writeIni("[radio]\nshow_radio=1\n");
        MainWindow form(environment());
        form.show();
        QCOMPARE(form.pages()->currentWidget(), form.radioPage());
    }

    void bindIndexBeyondTheListLeavesNoAddress()
    {
        writeIni("[AudioBind]\nBindToIndex=40\n");
        MainWindow form(environment());
        QCOMPARE(form.radioPage()->bindAddresses->currentIndex(), -1);
        QCOMPARE(form.radioPage()->receiveBindAddress(), QString());
    }

    void setupAbortStillReloads()
    {
        writeIni("[radio]\nmmsi=211000001\n");
        MainWindow form(environment());
        form.show();
        ModalScript script;
        script.dialog<SetupDialog>([this](SetupDialog &dialog) {
            // Edited by hand while the dialog is open.
            IniFile(iniPath()).writeString("radio", "mmsi", "244000002");
            IniFile(iniPath()).writeInteger("radio", "mode", 1);
            dialog.abortButton->click();
            return int(QDialog::Rejected);
        });
        form.editSettings();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QCOMPARE(form.statusText(0), QString(" MMSI = 244000002"));
        QCOMPARE(form.statusText(2), QString("NETWORK MODE"));
        QVERIFY(form.isEnabled());
    }

    void setupSaveRebindsTheVoiceReceiver()
    {
        writeIni("[AudioBind]\nBindToIndex=40\n");
        MainWindow form(environment());
        form.show();
        QCOMPARE(form.voice().receiver().bindAddress(), QString()); // nothing selected: every address
        QVERIFY(form.voice().receiver().isActive());
        ModalScript script;
        script.dialog<SetupDialog>([](SetupDialog &dialog) {
            dialog.saveButton->click();
            return dialog.result();
        });
        form.editSettings();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QCOMPARE(form.voice().receiver().bindAddress(), QString("0.0.0.0"));
        QVERIFY(form.voice().receiver().isActive());
        QCOMPARE(IniFile(iniPath()).readInteger("AudioBind", "BindToIndex", -5), 0);
    }

    void aboutShowsTheBuildVersion()
    {
        writeIni("");
        MainWindow form(environment());
        ModalScript script;
        QString version;
        script.dialog<AboutDialog>([&version](AboutDialog &box) {
            version = box.versionLabel->text();
            return int(QDialog::Accepted);
        });
        form.showAbout();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY2(QRegularExpression("^Version = \\d+\\.\\d+\\.\\d+\\.\\d+$").match(version).hasMatch(),
                 qPrintable(version));
    }

    void unwritableFileDoesNotStopTheClose()
    {
        // The folder vanishes under the station: the close reports and goes on.
        QTemporaryDir gone;
        install_station_files(gone.path());
        StationEnvironment there;
        there.setProgramFolder(gone.path());
        ModalScript script;
        script.message("File quillet.ini not found !");
        auto *form = new MainWindow(there);
        form->show();
        const QString path = form->station().settingsPath();
        gone.remove();
        script.message("Unable to write to " + path);
        form->close();
        delete form;
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
    }

    void heldPortIsReportedAndTheWindowWorksOn()
    {
        UdpServer other(dsc::ReceivePort);
        other.activate();
        writeIni("");
        ModalScript script;
        script.message(UdpServer::addressInUseText());
        MainWindow form(environment());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(!form.station().transport().isReceiving());
        // It can still send.
        PeerListener listener(9400);
        static_cast<UdpDscTransport &>(form.station().transport()).client().send("localhost", 9400, "still here");
        QCOMPARE(listener.drain(), QStringList{"still here"});
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"

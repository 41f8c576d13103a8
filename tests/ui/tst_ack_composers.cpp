#include "ModalScript.h"
#include "Peer.h"
#include "StationFixture.h"
#include "Widgets.h"
#include "core/dsc/AckBuilder.h"
#include "core/station/Station.h"
#include "ui/AlarmPanels.h"
#include "ui/MainWindow.h"
#include "ui/MessagePage.h"
#include "ui/dialogs/DistressAckDialog.h"
#include "ui/dialogs/RoutineAckDialog.h"
#include "ui/widgets/AlarmPanel.h"
#include "ui/widgets/MessageGrid.h"
#include "ui/widgets/RadioGroup.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const char *Plain = ",DANGER=00,LATD=99,LATM=99,LATC=999,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99,";

// 14:05 local time; minutes 27 and 45, thousandths 123 and 010.
void fixEnvironment(StationEnvironment &environment)
{
    environment.setClock([] { return QDateTime(QDate(2026, 12, 11), QTime(14, 5)); });
    auto draws = std::make_shared<QList<int>>(QList<int>{27, 123, 45, 10});
    environment.setDraw([draws](int) {
        const int v = draws->takeFirst();
        draws->append(v);
        return v;
    });
}

QString incoming(const char *head, const char *tail)
{
    return dots(head) + QLatin1String(tail);
}

} // namespace

class TestAckComposers : public QObject
{
    Q_OBJECT

private slots:
    void sixAcknowledgements_data()
    {
        QTest::addColumn<QString>("call"); // what the peer 269070001 sends
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("plan");       // transmit | quit, and routine choices
        QTest::addColumn<QString>("dialogText"); // a label the dialog shows, "name=text"
        QTest::addColumn<QString>("sent");       // first datagram of the answer, or empty
        QTest::addColumn<QString>("marker");     // fill/outline of the rounded square
        QTest::addColumn<bool>("stillEnabled");
        QTest::addColumn<QString>("alarm");

        const QString distress = incoming("TXMMSI=269070001,RXMMSI=xxxxxxxxx,FORMAT=DISTRESS····,CATEGORY=-···········,"
                                          "INFO1=-···········,",
                                          "DANGER=02,LATD=41,LATM=07,LATC=512,NS=N,LOND=009,LONM=33,LONC=048,EW=E,"
                                          "TIME=10:42,CH=16,COMPLY=N");
        const QString distressAck = dots("TXMMSI=274111001,RXMMSI=269070001,FORMAT=ALLSHIPS····,CATEGORY=DISTRESS····,"
                                         "INFO1=DIST·ACK····,DANGER=02,LATD=41,LATM=07,LATC=512,NS=N,LOND=009,LONM=33,"
                                         "LONC=048,EW=E,TIME=10:42,CH=16,COMPLY=N");
        QTest::newRow("distress, transmit") << distress << "spb_distAck"
                                            << "transmit"
                                            << "lbl_distressID=Distressed ID = 269070001" << distressAck
                                            << "255,0,0/192,192,192" << false << "distress";
        QTest::newRow("distress, quit") << distress << "spb_distAck"
                                        << "quit" << QString::fromUtf8("lbl_latitudeOf=Latitude      = 41°07.512 N")
                                        << ""
                                        << "255,0,0/192,192,192" << false << "distress";

        const QString routine = incoming("TXMMSI=269070001,RXMMSI=274111001,FORMAT=INDIVIDUAL··,CATEGORY=ROUTINE·····,"
                                         "INFO1=F3E/G3E·TP··",
                                         "")
                                + Plain + "CH=72,COMPLY=N";
        auto routineAnswer = [](const char *info, const char *ch) {
            return dots("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,CATEGORY=ROUTINE·····,INFO1=")
                   + QString(QLatin1String(info)).leftJustified(12) + Plain + "CH=" + ch + ",COMPLY=N";
        };
        QTest::newRow("routine, proposed channel")
            << routine << "spb_RoutineACK"
            << "transmit"
            << "Label3=TP Channel : 72" << routineAnswer("ABLE", "72") << "0,255,0/0,128,0" << true << "routine";
        QTest::newRow("routine, unable on 09")
            << routine << "spb_RoutineACK"
            << "transmit unable 1"
            << "Label3=TP Channel : 09" << routineAnswer("UNABLE", "09") << "0,255,0/0,128,0" << true << "routine";
        QTest::newRow("routine, 09 then clear")
            << routine << "spb_RoutineACK"
            << "transmit able 1 clear"
            << "Label3=TP Channel : 72" << routineAnswer("ABLE", "72") << "0,255,0/0,128,0" << true << "routine";
        QTest::newRow("routine, quit") << routine << "spb_RoutineACK"
                                       << "quit"
                                       << "Label2=To MMSI    : 269070001"
                                       << ""
                                       << "0,255,0/0,128,0" << true << "routine";

        const QString request = incoming("TXMMSI=269070001,RXMMSI=274111001,FORMAT=INDIVIDUAL··,CATEGORY=SAFETY······,"
                                         "INFO1=POS·REQUEST·",
                                         "")
                                + Plain + "CH=16,COMPLY=N";
        QTest::newRow("position request")
            << request << "spb_PosAck"
            << "transmit" << QString::fromUtf8("Label3=Latitude  :  43°27.123N")
            << dots("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,CATEGORY=ROUTINE·····,INFO1=POS·REPLY···,"
                    "DANGER=00,LATD=43,LATM=27,LATC=123,NS=N,LOND=007,LONM=45,LONC=010,EW=E,TIME=12:05,CH=16,COMPLY=N")
            << "255,255,0/255,0,0" << true << "request";

        const QString report = incoming("TXMMSI=269070001,RXMMSI=274111001,FORMAT=INDIVIDUAL··,CATEGORY=SAFETY······,"
                                        "INFO1=POS·REPORT··,",
                                        "DANGER=00,LATD=43,LATM=27,LATC=123,NS=S,LOND=007,LONM=45,LONC=010,EW=W,"
                                        "TIME=10:40,CH=16,COMPLY=N");
        QTest::newRow("position report")
            << report << "spb_posRepAck"
            << "transmit"
            << "Label1=This function will transmit a DSC POSITION REPORT "
            << dots("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,CATEGORY=SAFETY······,INFO1=POS·RPT·ACK·,"
                    "DANGER=00,LATD=43,LATM=27,LATC=123,NS=S,LOND=007,LONM=45,LONC=010,EW=W,TIME=10:40,CH=16,COMPLY=N")
            << "128,255,255/0,0,255" << false << "report";

        const QString polling = incoming("TXMMSI=269070001,RXMMSI=274111001,FORMAT=INDIVIDUAL··,CATEGORY=ROUTINE·····,"
                                         "INFO1=POLLING·····",
                                         "")
                                + Plain + "CH=16,COMPLY=N";
        QTest::newRow("polling")
            << polling << "spb_pollAck"
            << "transmit"
            << "Label1=This function will transmit a DSC POLLING ACKNOWLEDGE"
            << dots("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,CATEGORY=ROUTINE·····,INFO1=POLLING·ACK·")
                   + Plain + "CH=16,COMPLY=N"
            << "255,128,255/0,0,255" << false << "request";

        const QString test = incoming("TXMMSI=269070001,RXMMSI=274111001,FORMAT=INDIVIDUAL··,CATEGORY=SAFETY······,"
                                      "INFO1=TEST·CALL···",
                                      "")
                             + Plain + "CH=16,COMPLY=N";
        QTest::newRow("test, transmit")
            << test << "spb_testAck"
            << "transmit"
            << "Label1=This function will transmit a DSC TEST ACKNOWLEDGE"
            << dots("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,CATEGORY=SAFETY······,INFO1=TEST·ACK····")
                   + Plain + "CH=16,COMPLY=N"
            << "128,255,255/0,0,255" << true << "request";
        QTest::newRow("test, quit") << test << "spb_testAck"
                                    << "quit"
                                    << "Label1=This function will transmit a DSC TEST ACKNOWLEDGE"
                                    << ""
                                    << "128,255,255/0,0,255" << true << "request";
    }
    void sixAcknowledgements()
    {
        QFETCH(QString, call);
        QFETCH(QString, button);
        QFETCH(QString, plan);
        QFETCH(QString, dialogText);
        QFETCH(QString, sent);
        QFETCH(QString, marker);
        QFETCH(bool, stillEnabled);
        QFETCH(QString, alarm);

        StationFolder folder("[radio]\nmmsi=274111001\ndata_port=9000\n[gps_setup]\nGPS_LAT=43\nGPS_LON=7\nutc=2\n");
        fixEnvironment(folder.environment());
        MainWindow form(folder.environment());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        PeerListener peer(9000);

        // The call arrives from the other station over the network.
        QSignalSpy received(&form.station(), &Station::callLogged);
        QUdpSocket sender;
        sender.writeDatagram(ascii_encode(call), QHostAddress::LocalHost, 8091);
        QVERIFY(received.wait(2000));
        const AlarmClass classAlarm = alarm == "distress"  ? AlarmClass::Distress
                                      : alarm == "routine" ? AlarmClass::Routine
                                      : alarm == "request" ? AlarmClass::Request
                                                           : AlarmClass::Report;
        AlarmPanels *alarms = form.alarmPanels();
        const QColor resting = alarms->panel(classAlarm)->color();
        QVERIFY(alarms->isFlashing(classAlarm));
        alarms->tick(classAlarm); // caught in its alarm colour
        QVERIFY(alarms->panel(classAlarm)->color() != resting);

        MessageGrid *grid = form.messagePage()->grid();
        const QRect cell = grid->visualRect(grid->gridModel()->index(0, 3));
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(form.messagePage()->selectedRow(), 0);
        auto *ack = form.findChild<QPushButton *>(button);
        QVERIFY(ack->isEnabled());

        const QStringList steps = plan.split(' ');
        const QString labelName = dialogText.section('=', 0, 0);
        const QString labelText = dialogText.section('=', 1);
        QString shownText;
        ModalScript script;
        script.dialog<AckDialog>([&](AckDialog &d) {
            if (auto *r = qobject_cast<RoutineAckDialog *>(&d)) {
                if (steps.size() > 1)
                    (steps[1] == "unable" ? r->unableButton : r->ableButton)->click();
                if (steps.size() > 2)
                    r->channelGroup->item(steps[2].toInt())->click();
                if (steps.size() > 3)
                    r->clearButton->click();
            }
            shownText = d.findChild<QLabel *>(labelName)->text();
            (steps[0] == "transmit" ? d.transmitButton : d.quitButton)->click();
            return d.result();
        });
        ack->click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QCOMPARE(shownText, labelText);

        QCOMPARE(peer.drain(), sent.isEmpty() ? QStringList() : QStringList{sent});
        const QStringList colours = marker.split('/');
        auto rgb = [](const QString &t) {
            const QStringList c = t.split(',');
            return Rgb{quint8(c[0].toInt()), quint8(c[1].toInt()), quint8(c[2].toInt())};
        };
        const LogMarker square{MarkerShape::RoundedSquare, rgb(colours[0]), rgb(colours[1])};
        QCOMPARE(grid->gridModel()->marker(1), square);
        QCOMPARE(grid->gridModel()->rowColour(1), QColor(240, 240, 224));
        QCOMPARE(ack->isEnabled(), stillEnabled);
        QVERIFY(!alarms->isFlashing(classAlarm));
        QCOMPARE(alarms->panel(classAlarm)->color(), resting);
    }

    void failedSendStillMarksTheRow()
    {
        StationFolder folder("[radio]\nmmsi=274111001\ndata_port=65535\n");
        MainWindow form(folder.environment());
        form.station().receive("TXMMSI=269070001,RXMMSI=xxxxxxxxx,FORMAT=DISTRESS    ,CATEGORY=-           ,"
                               "INFO1=-           ,DANGER=01,LATD=41,LATM=07,LATC=512,NS=N,LOND=009,LONM=33,LONC=048,"
                               "EW=E,TIME=10:42,CH=16,COMPLY=N");
        form.messagePage()->clickCell(1, 2);
        ModalScript script;
        script.dialog<DistressAckDialog>([](DistressAckDialog &d) {
            d.transmitButton->click();
            return d.result();
        });
        script.message("Unable to send a message");
        child<QPushButton>(form, "spb_distAck")->click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QCOMPARE(form.messagePage()->grid()->gridModel()->marker(1).shape, MarkerShape::RoundedSquare);
        QVERIFY(!form.alarmPanels()->isFlashing(AlarmClass::Distress));
        QVERIFY(!child<QPushButton>(form, "spb_distAck")->isEnabled());
    }
};

QTEST_MAIN(TestAckComposers)
#include "tst_ack_composers.moc"

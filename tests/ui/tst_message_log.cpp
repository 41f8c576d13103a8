#include "ModalScript.h"
#include "SampleCall.h"
#include "StationFixture.h"
#include "Widgets.h"
#include "core/dsc/DatagramWriter.h"
#include "core/station/Station.h"
#include "core/text/Ascii.h"
#include "ui/AlarmPanels.h"
#include "ui/MainWindow.h"
#include "ui/MessagePage.h"
#include "ui/StationColours.h"
#include "ui/widgets/AlarmPanel.h"
#include "ui/widgets/MessageGrid.h"

#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {
const QString Own = "274111001", Other = "269070001", Third = "244000003";

// A datagram as another station's plain writer makes it.
QByteArray call(const QString &from, const QString &to, const QString &format, const QString &category,
                const QString &info, const QString &ch = "16")
{
    DscCall c;
    c.RXMMSI = to;
    c.FORMAT = format.leftJustified(12);
    c.CATEGORY = category.leftJustified(12);
    c.INFO1 = info.leftJustified(12);
    c.CH = ch;
    return ascii_encode(datagram_text(DscWriter::Plain, c, from, KeyOrder::Standard));
}

QByteArray distressAlert(const QString &from)
{
    const DscCall c = sample_call(from, "xxxxxxxxx", "DISTRESS", "-", "-", "03");
    return ascii_encode(datagram_text(DscWriter::Full, c, QString(), KeyOrder::Standard));
}

QList<QPushButton *> ackButtons(const MainWindow &f)
{
    QList<QPushButton *> buttons;
    for (const char *name :
         {"spb_distAck", "spb_RoutineACK", "spb_PosAck", "spb_posRepAck", "spb_pollAck", "spb_testAck"})
        buttons << child<QPushButton>(f, name);
    return buttons;
}
} // namespace

class TestMessageLog : public QObject
{
    Q_OBJECT

private slots:
    void firstRowThenAppendedRows()
    {
        StationFolder folder;
        MainWindow form(folder.environment());
        MessageGrid *grid = form.messagePage()->grid();
        form.station().receive(distressAlert(Other));
        QCOMPARE(grid->rowCount(), 2); // the empty first row is filled
        QCOMPARE(form.station().log().lastLoggedRow() + 1, 1);
        QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(grid->cell(1, 1)).hasMatch());
        QStringList row;
        for (int c = 2; c < 22; ++c)
            row << grid->cell(c, 1);
        QCOMPARE(row, QStringList({Other,
                                   "-",
                                   "DISTRESS",
                                   "-",
                                   "-",
                                   "FLOODING",
                                   QString::fromUtf8("41°07.512 N"),
                                   QString::fromUtf8("009°33.048 E"),
                                   "10:42",
                                   "16",
                                   "03",
                                   "41",
                                   "07",
                                   "512",
                                   "N",
                                   "009",
                                   "33",
                                   "048",
                                   "E",
                                   "10:42"}));
        QCOMPARE(grid->gridModel()->marker(1).shape, MarkerShape::RightArrow);
        QVERIFY(form.alarmPanels()->isFlashing(AlarmClass::Distress));

        form.station().receive(call(Other, Own, "INDIVIDUAL", "ROUTINE", "F3E/G3E TP", "06"));
        form.station().receive(call(Other, Third, "INDIVIDUAL", "ROUTINE", "POLLING"));
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(form.station().log().lastLoggedRow() + 1, 3);
        QCOMPARE(grid->currentGridRow(), 3);
        QCOMPARE(grid->cell(6, 2), QString("TELEPHONY"));
        QCOMPARE(grid->cell(11, 2), QString("06"));
        QCOMPARE(grid->cell(8, 2), QString("-"));
        QVERIFY(form.alarmPanels()->isFlashing(AlarmClass::Routine));
        QVERIFY(!form.alarmPanels()->isFlashing(AlarmClass::Request)); // the polling call was for another station
    }

    void newCallDisablesAllButThePositionReportAck()
    {
        StationFolder folder;
        MainWindow form(folder.environment());
        form.station().receive(call(Other, Own, "INDIVIDUAL", "SAFETY", "POS REPORT"));
        form.messagePage()->clickCell(1, 2);
        for (QPushButton *b : ackButtons(form))
            b->setEnabled(true);
        QCOMPARE(form.messagePage()->selectedRow(), 0);
        form.station().receive(call(Other, Own, "INDIVIDUAL", "SAFETY", "TEST CALL"));
        for (QPushButton *b : ackButtons(form))
            QCOMPARE(b->isEnabled(), b == child<QPushButton>(form, "spb_posRepAck"));
        QCOMPARE(form.messagePage()->selectedRow(), 0);
    }

    void markupArrivesAsText()
    {
        StationFolder folder;
        MainWindow form(folder.environment());
        form.station().receive("TXMMSI=<b>12</b>,RXMMSI=<img src=x>,FORMAT=<i>INDIVIDU,INFO1=<a href=y>");
        QCOMPARE(form.messagePage()->grid()->cell(2, 1), QString("<b>12</b>"));
        QCOMPARE(form.messagePage()->grid()->cell(3, 1), QString("<img src="));
        QCOMPARE(form.messagePage()->grid()->cell(4, 1), QString("<i>INDIVIDU,"));
        QCOMPARE(form.messagePage()->grid()->gridModel()->index(0, 2).data(Qt::AccessibleTextRole).toString(),
                 QString("<b>12</b>"));
    }

    void alarmFlashesUntilStopped()
    {
        StationFolder folder;
        MainWindow form(folder.environment());
        form.station().receive(call(Other, Own, "INDIVIDUAL", "SAFETY", "POS REQUEST"));
        form.station().receive(call(Other, Own, "INDIVIDUAL", "SAFETY", "TEST CALL")); // same class: one alarm
        QVERIFY(form.alarmPanels()->timer(AlarmClass::Request)->isActive());
        QCOMPARE(form.alarmPanels()->timer(AlarmClass::Request)->interval(), 300);
        QCOMPARE(form.alarmPanels()->panel(AlarmClass::Request)->color(), station_colours::Request);
        form.alarmPanels()->tick(AlarmClass::Request);
        QCOMPARE(form.alarmPanels()->panel(AlarmClass::Request)->color(), QColor(255, 255, 0));
        form.alarmPanels()->tick(AlarmClass::Request);
        QCOMPARE(form.alarmPanels()->panel(AlarmClass::Request)->color(), station_colours::Request);
        form.alarmPanels()->tick(AlarmClass::Request);
        form.station().alarms().clear(AlarmClass::Request); // in the alarm-colour half
        QVERIFY(!form.alarmPanels()->timer(AlarmClass::Request)->isActive());
        QCOMPARE(form.alarmPanels()->panel(AlarmClass::Request)->color(), station_colours::Request);
        QVERIFY(!form.alarmPanels()->isFlashing(AlarmClass::Distress)
                && !form.alarmPanels()->isFlashing(AlarmClass::Routine)
                && !form.alarmPanels()->isFlashing(AlarmClass::Report));
    }

    void chosenRowFollowsWhenTheOldestRowsLeave()
    {
        StationFolder folder;
        MainWindow form(folder.environment());
        Station &station = form.station();
        MessageGrid *grid = form.messagePage()->grid();
        const QByteArray other = call(Other, Third, "INDIVIDUAL", "ROUTINE", "POLLING");
        for (int i = 0; i < 1500; ++i)
            station.receive(other);
        // Log row 1500: its acknowledgement stays offered while other calls come in.
        station.receive(call(Other, Own, "INDIVIDUAL", "SAFETY", "POS REPORT"));
        form.messagePage()->clickCell(1501, 2);
        grid->setCurrentGridRow(1501);
        QCOMPARE(form.messagePage()->selectedRow(), 1500);
        while (station.log().rowCount() < MessageLog::MaxRows)
            station.receive(other);
        station.receive(other); // the oldest thousand leave
        QCOMPARE(station.log().rowCount(), MessageLog::MaxRows - MessageLog::DropRows + 1);
        QCOMPARE(form.messagePage()->selectedRow(), 1500 - MessageLog::DropRows);
        QCOMPARE(station.log().cell(form.messagePage()->selectedRow(), LogColumn::Information), QString("POS REPORT"));
        QVERIFY(child<QPushButton>(form, "spb_posRepAck")->isEnabled());
        QCOMPARE(grid->currentGridRow(), station.log().lastLoggedRow() + 1); // the newest call, as always

        // Once the chosen row itself has left, nothing is offered for it.
        for (int i = 0; i < MessageLog::DropRows; ++i)
            station.receive(other);
        QCOMPARE(form.messagePage()->selectedRow(), -1);
        QVERIFY(!child<QPushButton>(form, "spb_posRepAck")->isEnabled());
    }

    void clickOffersTheFittingAck_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<int>("button"); // index into ackButtons, -1 for none
        QTest::newRow("distress alert") << distressAlert(Other) << 0;
        QTest::newRow("distress alert sent here") << distressAlert(Own) << 0;
        QTest::newRow("distress ack (ALLSHIPS)") << call(Other, "xxxxxxxxx", "ALLSHIPS", "DISTRESS", "DIST ACK") << -1;
        QTest::newRow("routine to us") << call(Other, Own, "INDIVIDUAL", "ROUTINE", "F3E/G3E TP") << 1;
        QTest::newRow("able to us") << call(Other, Own, "INDIVIDUAL", "ROUTINE", "ABLE") << -1;
        QTest::newRow("pos request to us") << call(Other, Own, "INDIVIDUAL", "SAFETY", "POS REQUEST") << 2;
        QTest::newRow("pos request to another") << call(Other, Third, "INDIVIDUAL", "SAFETY", "POS REQUEST") << -1;
        QTest::newRow("pos request we sent") << call(Own, Other, "INDIVIDUAL", "SAFETY", "POS REQUEST") << -1;
        QTest::newRow("pos report to us") << call(Other, Own, "INDIVIDUAL", "SAFETY", "POS REPORT") << 3;
        QTest::newRow("polling to us") << call(Other, Own, "INDIVIDUAL", "ROUTINE", "POLLING") << 4;
        QTest::newRow("test call to us") << call(Other, Own, "INDIVIDUAL", "SAFETY", "TEST CALL") << 5;
        QTest::newRow("group call") << call(Other, "027411101", "GROUP", "ROUTINE", "F3E/G3E TP") << -1;
    }
    void clickOffersTheFittingAck()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(int, button);
        StationFolder folder;
        MainWindow form(folder.environment());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        MessageGrid *grid = form.messagePage()->grid();
        auto click = [grid](int row) {
            const QRect r = grid->visualRect(grid->gridModel()->index(row - 1, 4));
            QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, r.center());
        };

        click(1); // the empty row before any call: nothing fits
        for (QPushButton *b : ackButtons(form))
            QVERIFY(!b->isEnabled());
        QCOMPARE(form.messagePage()->selectedRow(), -1);

        form.station().receive(call(Other, Third, "INDIVIDUAL", "ROUTINE", "POLLING"));
        form.station().receive(datagram);
        click(2);
        const QList<QPushButton *> buttons = ackButtons(form);
        for (int i = 0; i < buttons.size(); ++i)
            QCOMPARE(buttons[i]->isEnabled(), i == button);
        QCOMPARE(form.messagePage()->selectedRow(), button >= 0 ? 1 : -1);

        // The header row offers nothing and keeps the row chosen before.
        const QHeaderView *header = grid->horizontalHeader();
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(40, header->height() / 2));
        for (QPushButton *b : buttons)
            QVERIFY(!b->isEnabled());
        QCOMPARE(form.messagePage()->selectedRow(), button >= 0 ? 1 : -1);
    }
};

QTEST_MAIN(TestMessageLog)
#include "tst_message_log.moc"

#include "ModalScript.h"
#include "SampleCall.h"
#include "StationFixture.h"
#include "dsc/chiamate.h"
#include "platform/Ascii.h"
#include "platform/CurvyPanel.h"
#include "platform/MessageGrid.h"
#include "reception/CategoryAlarm.h"
#include "shell/Unit1.h"

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
    TDscCall c;
    c.RXMMSI = to;
    c.FORMAT = format.leftJustified(12);
    c.CATEGORY = category.leftJustified(12);
    c.INFO1 = info.leftJustified(12);
    c.CH = ch;
    return ascii_encode(datagram_text(DscWriter::Plain, c, from, KeyOrder::Standard));
}

QByteArray distressAlert(const QString &from)
{
    const TDscCall c = sample_call(from, "xxxxxxxxx", "DISTRESS", "-", "-", "03");
    return ascii_encode(datagram_text(DscWriter::Full, c, QString(), KeyOrder::Standard));
}

QList<QPushButton *> ackButtons(const TForm1 &f)
{
    return {f.spb_distAck, f.spb_RoutineACK, f.spb_PosAck, f.spb_posRepAck, f.spb_pollAck, f.spb_testAck};
}
} // namespace

class TestMessageLog : public QObject
{
    Q_OBJECT

private slots:
    void firstRowThenAppendedRows()
    {
        StationFolder folder;
        TForm1 form;
        MessageGrid *grid = form.message_grid;
        form.UDP_RXUDPRead(distressAlert(Other));
        QCOMPARE(grid->rowCount(), 2); // the empty first row is filled
        QCOMPARE(form.puntatore, 1);
        QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(grid->cell(1, 1)).hasMatch());
        QStringList row;
        for (int c = 2; c < 22; ++c)
            row << grid->cell(c, 1);
        QCOMPARE(row, QStringList({Other, "-", "DISTRESS", "-", "-", "FLOODING", QString::fromUtf8("41°07.512 N"),
                                   QString::fromUtf8("009°33.048 E"), "10:42", "16", "03", "41", "07", "512", "N",
                                   "009", "33", "048", "E", "10:42"}));
        QCOMPARE(grid->gridModel()->marker(1).shape, MarkerShape::RightArrow);
        QVERIFY(form.alarm_distress->isOn());

        form.UDP_RXUDPRead(call(Other, Own, "INDIVIDUAL", "ROUTINE", "F3E/G3E TP", "06"));
        form.UDP_RXUDPRead(call(Other, Third, "INDIVIDUAL", "ROUTINE", "POLLING"));
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(form.puntatore, 3);
        QCOMPARE(grid->currentGridRow(), 3);
        QCOMPARE(grid->cell(6, 2), QString("TELEPHONY"));
        QCOMPARE(grid->cell(11, 2), QString("06"));
        QCOMPARE(grid->cell(8, 2), QString("-"));
        QVERIFY(form.alarm_routine->isOn());
        QVERIFY(!form.alarm_request->isOn()); // the polling call was for another station
    }

    void newCallDisablesAllButThePositionReportAck()
    {
        StationFolder folder;
        TForm1 form;
        for (QPushButton *b : ackButtons(form))
            b->setEnabled(true);
        form.sel_row = 7;
        form.UDP_RXUDPRead(call(Other, Own, "INDIVIDUAL", "SAFETY", "TEST CALL"));
        for (QPushButton *b : ackButtons(form))
            QCOMPARE(b->isEnabled(), b == form.spb_posRepAck);
        QCOMPARE(form.sel_row, 7);
    }

    void markupArrivesAsText()
    {
        StationFolder folder;
        TForm1 form;
        form.UDP_RXUDPRead("TXMMSI=<b>12</b>,RXMMSI=<img src=x>,FORMAT=<i>INDIVIDU,INFO1=<a href=y>");
        QCOMPARE(form.message_grid->cell(2, 1), QString("<b>12</b>"));
        QCOMPARE(form.message_grid->cell(3, 1), QString("<img src="));
        QCOMPARE(form.message_grid->cell(4, 1), QString("<i>INDIVIDU,"));
        QCOMPARE(form.message_grid->gridModel()->index(0, 2).data(Qt::AccessibleTextRole).toString(),
                 QString("<b>12</b>"));
    }

    void alarmFlashesUntilStopped()
    {
        StationFolder folder;
        TForm1 form;
        CategoryAlarm *alarm = form.alarm_request;
        form.UDP_RXUDPRead(call(Other, Own, "INDIVIDUAL", "SAFETY", "POS REQUEST"));
        form.UDP_RXUDPRead(call(Other, Own, "INDIVIDUAL", "SAFETY", "TEST CALL")); // same class: one alarm
        QVERIFY(form.timer_request->isActive());
        QCOMPARE(form.timer_request->interval(), 300);
        QCOMPARE(form.pnl_request->color(), request_colour);
        form.timer_requestTimer();
        QCOMPARE(form.pnl_request->color(), QColor(255, 255, 0));
        form.timer_requestTimer();
        QCOMPARE(form.pnl_request->color(), request_colour);
        form.timer_requestTimer();
        alarm->stop(); // in the alarm-colour half
        QVERIFY(!form.timer_request->isActive());
        QCOMPARE(form.pnl_request->color(), request_colour);
        QVERIFY(!form.alarm_distress->isOn() && !form.alarm_routine->isOn() && !form.alarm_report->isOn());
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
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        MessageGrid *grid = form.message_grid;
        auto click = [grid](int row) {
            const QRect r = grid->visualRect(grid->gridModel()->index(row - 1, 4));
            QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, r.center());
        };

        click(1); // the empty row before any call: nothing fits
        for (QPushButton *b : ackButtons(form))
            QVERIFY(!b->isEnabled());
        QCOMPARE(form.sel_row, 0);

        form.UDP_RXUDPRead(call(Other, Third, "INDIVIDUAL", "ROUTINE", "POLLING"));
        form.UDP_RXUDPRead(datagram);
        click(2);
        const QList<QPushButton *> buttons = ackButtons(form);
        for (int i = 0; i < buttons.size(); ++i)
            QCOMPARE(buttons[i]->isEnabled(), i == button);
        QCOMPARE(form.sel_row, button >= 0 ? 2 : 0);

        // The header row offers nothing and keeps the row chosen before.
        const QHeaderView *header = grid->horizontalHeader();
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(40, header->height() / 2));
        for (QPushButton *b : buttons)
            QVERIFY(!b->isEnabled());
        QCOMPARE(form.sel_row, button >= 0 ? 2 : 0);
    }
};

QTEST_MAIN(TestMessageLog)
#include "tst_message_log.moc"

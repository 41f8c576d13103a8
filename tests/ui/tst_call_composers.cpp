#include "ModalScript.h"
#include "Peer.h"
#include "StationFixture.h"
#include "Widgets.h"
#include "core/config/StationSettings.h"
#include "core/dsc/PositionFix.h"
#include "ui/MainWindow.h"
#include "ui/dialogs/DestinationMmsiDialog.h"
#include "ui/dialogs/DistressAlertDialog.h"
#include "ui/dialogs/RoutineCallDialog.h"
#include "ui/widgets/RadioGroup.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Minutes 07 and 33, thousandths 512 and 048, in the order they are drawn,
// at 11:42:30 local time; counts the draws.
void fixEnvironment(StationEnvironment &environment, int *drawn = nullptr)
{
    environment.setClock([] { return QDateTime(QDate(2026, 12, 11), QTime(11, 42, 30)); });
    auto draws = std::make_shared<QList<int>>(QList<int>{7, 512, 33, 48});
    environment.setDraw([draws, drawn](int) {
        if (drawn)
            ++*drawn;
        const int v = draws->takeFirst();
        draws->append(v);
        return v;
    });
}

const QByteArray StationIni = "[radio]\nmmsi=274111001\ngroup=027411101\ndistressed=269070001\ndata_port=9000\n"
                              "[gps_setup]\nGPS_LAT=41\nGPS_LON=9\nGPS_NS=N\nGPS_EW=E\nutc=1\n";

// Types into the destination field, picks an item, presses a button.
template <typename Dialog>
std::function<int(Dialog &)> answer(const QString &typed, int item, const char *button)
{
    return [typed, item, button](Dialog &d) {
        QTest::keyClicks(d.mmsiEdit, typed);
        if constexpr (std::is_same_v<Dialog, RoutineCallDialog>) {
            if (item >= 0)
                d.channelGroup->item(item)->click();
        }
        d.template findChild<QPushButton *>(button)->click();
        return d.result();
    };
}

} // namespace

class TestCallComposers : public QObject
{
    Q_OBJECT

private slots:
    void nineCalls_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("plan");    // what the user does in the dialog
        QTest::addColumn<QString>("message"); // a message box expected on the way, if any
        QTest::addColumn<QString>("sent");    // the first datagram, standard order; empty: nothing
        QTest::addColumn<QString>("second");  // "alternate" or "standard" order of the second

        const char *plain = ",DANGER=00,LATD=99,LATM=99,LATC=999,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99,";
        auto call = [plain](const char *head, const char *ch) {
            return dots(head) + QLatin1String(plain) + QStringLiteral("CH=%1,COMPLY=N").arg(QLatin1String(ch));
        };
        QTest::newRow("routine, channel 6")
            << "spb_routine"
            << "269070001|1|spb_send"
            << ""
            << dots("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,CATEGORY=ROUTINE·····,INFO1=F3E/G3E·TP··,"
                    "DANGER=00,LATD=99,LATM=99,LATC=999,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99,CH=06,COMPLY=N")
            << "alternate";
        QTest::newRow("routine, quit") << "spb_routine"
                                       << "269070001|1|btn_quit"
                                       << ""
                                       << ""
                                       << "";
        QTest::newRow("group, channel 72")
            << "spb_group"
            << "027411101|8|spb_send"
            << ""
            << call("TXMMSI=274111001,RXMMSI=027411101,FORMAT=GROUP·······,CATEGORY=ROUTINE·····,INFO1=F3E/G3E·TP··",
                    "72")
            << "alternate";
        QTest::newRow("group, two leading zeros")
            << "spb_group"
            << "002341001|0|spb_send"
            << ""
            << call("TXMMSI=274111001,RXMMSI=002341001,FORMAT=GROUP·······,CATEGORY=ROUTINE·····,INFO1=F3E/G3E·TP··",
                    "16")
            << "alternate";
        QTest::newRow("group, not a group MMSI") << "spb_group"
                                                 << "274111001|0|spb_send"
                                                 << "274111001 Is not a valid GROUP MMSI !"
                                                 << ""
                                                 << "";
        QTest::newRow("safety, yes")
            << "spb_safety"
            << "yes"
            << "Do you want to send a\n\rDSC SAFETY ALERT to ALLSHIPS ?"
            << call("TXMMSI=274111001,RXMMSI=xxxxxxxxx,FORMAT=ALLSHIPS····,CATEGORY=SAFETY······,INFO1=F3E/G3E·TP··",
                    "16")
            << "alternate";
        QTest::newRow("urgency, no") << "spb_urgency"
                                     << "no"
                                     << "Do you want to send a\n\rDSC URGENCY ALERT to ALLSHIPS ?"
                                     << ""
                                     << "";
        QTest::newRow("urgency, yes")
            << "spb_urgency"
            << "yes"
            << "Do you want to send a\n\rDSC URGENCY ALERT to ALLSHIPS ?"
            << call("TXMMSI=274111001,RXMMSI=xxxxxxxxx,FORMAT=ALLSHIPS····,CATEGORY=URGENCY·····,INFO1=F3E/G3E·TP··",
                    "16")
            << "alternate";
        QTest::newRow("position request")
            << "spb_posreq"
            << "269070001|-1|spb_send"
            << ""
            << call("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,CATEGORY=SAFETY······,INFO1=POS·REQUEST·",
                    "16")
            << "alternate";
        QTest::newRow("polling")
            << "spbpoll"
            << "269070001|-1|spb_send"
            << ""
            << call("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,CATEGORY=ROUTINE·····,INFO1=POLLING·····",
                    "16")
            << "alternate";
        QTest::newRow("test, quit") << "spb_test"
                                    << "269070001|-1|btn_quit"
                                    << ""
                                    << ""
                                    << "";
        QTest::newRow("test")
            << "spb_test"
            << "269070001|-1|spb_send"
            << ""
            << call("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,CATEGORY=SAFETY······,INFO1=TEST·CALL···",
                    "16")
            << "alternate";
        QTest::newRow("position report")
            << "spb_posrep"
            << "269070001|-1|spb_send"
            << ""
            << dots("TXMMSI=274111001,RXMMSI=269070001,FORMAT=INDIVIDUAL··,CATEGORY=SAFETY······,INFO1=POS·REPORT··,"
                    "DANGER=00,LATD=41,LATM=07,LATC=512,NS=N,LOND=009,LONM=33,LONC=048,EW=E,TIME=10:42,CH=16,COMPLY=N")
            << "alternate";
        QTest::newRow("distress, flooding")
            << "spb_distress"
            << "-|2|spb_send"
            << ""
            << dots("TXMMSI=269070001,RXMMSI=xxxxxxxxx,FORMAT=DISTRESS····,CATEGORY=-···········,INFO1=-···········,"
                    "DANGER=03,LATD=41,LATM=07,LATC=512,NS=N,LOND=009,LONM=33,LONC=048,EW=E,TIME=10:42,CH=16,COMPLY=N")
            << "standard";
        QTest::newRow("distress, quit") << "spb_distress"
                                        << "-|2|btn_quit"
                                        << ""
                                        << ""
                                        << "";
    }
    void nineCalls()
    {
        QFETCH(QString, button);
        QFETCH(QString, plan);
        QFETCH(QString, message);
        QFETCH(QString, sent);
        QFETCH(QString, second);
        StationFolder folder(StationIni);
        int drawn = 0;
        fixEnvironment(folder.environment(), &drawn);
        MainWindow form(folder.environment()); // not shown: its receiver is off, and the test listens on every port
        PeerListener first(9000), plainSecond(8091), otherSecond(9001);

        ModalScript script;
        QPointer<QDialog> shown;
        const QStringList steps = plan.split('|');
        if (button == "spb_safety" || button == "spb_urgency") {
            script.message(message, plan == "yes" ? QMessageBox::Yes : QMessageBox::No);
        } else {
            auto remember = [&shown](QDialog &d) { shown = &d; };
            const int item = steps[1].toInt();
            const char *press = steps[2] == "spb_send" ? "spb_send" : "btn_quit";
            if (button == "spb_routine" || button == "spb_group") {
                script.dialog<RoutineCallDialog>([=](RoutineCallDialog &d) {
                    remember(d);
                    return answer<RoutineCallDialog>(steps[0], item, press)(d);
                });
            } else if (button == "spb_distress") {
                script.dialog<DistressAlertDialog>([=](DistressAlertDialog &d) {
                    remember(d);
                    d.natureGroup->item(item)->click();
                    d.findChild<QPushButton *>(press)->click();
                    return d.result();
                });
            } else {
                script.dialog<DestinationMmsiDialog>([=](DestinationMmsiDialog &d) {
                    remember(d);
                    return answer<DestinationMmsiDialog>(steps[0], item, press)(d);
                });
            }
            if (!message.isEmpty())
                script.message(message);
        }
        form.findChild<QPushButton *>(button)->click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(shown.isNull()); // every dialog is released

        if (sent.isEmpty()) {
            QCOMPARE(first.drain(), QStringList());
            QCOMPARE(plainSecond.drain(), QStringList());
            QCOMPARE(otherSecond.drain(), QStringList());
            QCOMPARE(drawn, 0); // no fix taken for a call not sent
            return;
        }
        QCOMPARE(sent.size(), 191);
        QCOMPARE(first.drain(), QStringList{sent});
        const bool plainWriter = !sent.contains("LATD=41");
        PeerListener &secondPort = plainWriter ? plainSecond : otherSecond;
        QCOMPARE(secondPort.drain(), QStringList{second == "alternate" ? alternate_order(sent) : sent});
    }

    void transmitFollowsTheLengthOfTheText()
    {
        StationFolder folder(StationIni);
        fixEnvironment(folder.environment());
        MainWindow form(folder.environment());
        ModalScript script;
        script.dialog<DestinationMmsiDialog>([](DestinationMmsiDialog &d) {
            [&] {
                QCOMPARE(d.windowTitle(), QString("DSC Quillet"));
                QCOMPARE(d.size(), QSize(263, 149));
                QTest::keyClicks(d.mmsiEdit, "26907a000");
                QCOMPARE(d.mmsiEdit->text(), QString("26907000")); // digits only
                QVERIFY(!d.transmitButton->isEnabled());
                QTest::keyClicks(d.mmsiEdit, "15");
                QCOMPARE(d.mmsiEdit->text(), QString("269070001")); // nine at most
                QVERIFY(d.transmitButton->isEnabled());
                QTest::keyClick(d.mmsiEdit, Qt::Key_Backspace);
                QVERIFY(!d.transmitButton->isEnabled());
                QTest::keyClick(d.mmsiEdit, '1');
                QVERIFY(d.transmitButton->isEnabled());
                d.clearButton->click();
                QVERIFY(d.mmsiEdit->text().isEmpty() && !d.transmitButton->isEnabled());
            }();
            d.quitButton->click();
            return d.result();
        });
        child<QPushButton>(form, "spb_test")->click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
    }

    void callCarriesNothingOfTheOneBefore()
    {
        StationFolder folder(StationIni);
        fixEnvironment(folder.environment());
        MainWindow form(folder.environment());
        PeerListener first(9000), second(8091), otherSecond(9001);
        ModalScript script;
        script.dialog<DistressAlertDialog>([](DistressAlertDialog &d) {
            d.natureGroup->item(6)->click();
            d.transmitButton->click();
            return d.result();
        });
        script.message("Do you want to send a\n\rDSC SAFETY ALERT to ALLSHIPS ?", QMessageBox::Yes);
        child<QPushButton>(form, "spb_distress")->click();
        child<QPushButton>(form, "spb_safety")->click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        const QString safety =
            dots("TXMMSI=274111001,RXMMSI=xxxxxxxxx,FORMAT=ALLSHIPS····,CATEGORY=SAFETY······,INFO1=F3E/G3E·TP··,"
                 "DANGER=00,LATD=99,LATM=99,LATC=999,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99,CH=16,COMPLY=N");
        const QStringList sent = first.drain();
        QCOMPARE(sent.size(), 2);
        QVERIFY(sent[0].startsWith("TXMMSI=269070001")); // the distress alert
        QCOMPARE(sent[1], safety);
        QCOMPARE(second.drain(), QStringList{alternate_order(safety)});
    }

    void positionTimeIsUtc_data()
    {
        QTest::addColumn<QTime>("clock");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("time");
        QTest::newRow("east") << QTime(11, 42) << 1 << "10:42";
        QTest::newRow("across midnight") << QTime(0, 30) << 2 << "22:30";
        QTest::newRow("west") << QTime(21, 5) << -5 << "02:05";
        QTest::newRow("none") << QTime(0, 0) << 0 << "00:00";
    }
    void positionTimeIsUtc()
    {
        QFETCH(QTime, clock);
        QFETCH(int, offset);
        QFETCH(QString, time);
        QCOMPARE(utc_time_text(QDateTime(QDate(2026, 1, 1), clock), offset), time);
    }

    void drawsStayInRange()
    {
        StationEnvironment environment;
        environment.seed(7);
        const StationSettings settings;
        for (int i = 0; i < 2000; ++i) {
            const PositionFix fix = PositionFix::draw(settings, environment);
            QVERIFY(fix.latm.str().toInt() <= 58 && fix.lonm.str().toInt() <= 58);
            QVERIFY(fix.latc.str().toInt() <= 998 && fix.lonc.str().toInt() <= 998);
            QCOMPARE(fix.latm.size() + fix.latc.size(), 5);
        }
    }

    void refusedSendReportsAndReleasesTheDialog()
    {
        // data_port 65535: the second datagram would go to port 0, which is refused.
        StationFolder folder(QByteArray(StationIni).replace("9000", "65535"));
        fixEnvironment(folder.environment());
        MainWindow form(folder.environment());
        PeerListener first(65535);
        QPointer<QDialog> shown;
        ModalScript script;
        script.dialog<DistressAlertDialog>([&shown](DistressAlertDialog &d) {
            shown = &d;
            d.transmitButton->click();
            return d.result();
        });
        script.message("Unable to send a message"); // the socket layer's words
        child<QPushButton>(form, "spb_distress")->click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems() + " / " + script.seenMessages.join(",")));
        QVERIFY(shown.isNull());
        QCOMPARE(first.drain().size(), 1);
    }
};

QTEST_MAIN(TestCallComposers)
#include "tst_call_composers.moc"

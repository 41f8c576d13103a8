// The radio page: channel selection and its display, the receive indicator,
// push-to-talk without a microphone.
#include "ModalScript.h"
#include "StationFixture.h"
#include "Widgets.h"
#include "core/station/Station.h"
#include "ui/MainWindow.h"
#include "ui/RadioPage.h"
#include "voice/AudioDevices.h"
#include "voice/MicrophoneInput.h"
#include "voice/VoiceEngine.h"
#include "voice/VoicePacket.h"
#include "voice/VoiceReceiver.h"
#include "voice/VoiceSender.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

class TestRadioPage : public QObject
{
    Q_OBJECT

private slots:
    void channelSelection()
    {
        StationFolder folder("[radio]\nbase_port=18000\n");
        MainWindow form(folder.environment());
        form.show();
        QCOMPARE(form.station().channelSelector().row(), 16);
        QCOMPARE(form.radioPage()->channelLabel->text(), QString("16"));
        QCOMPARE(form.radioPage()->modeLabel->text(), QString("SIM"));
        QCOMPARE(int(form.voice().receiver().port()), 18016);
        QCOMPARE(int(form.voice().sender().port()), 18016);

        const QList<std::tuple<QPushButton *, int, QString>> presses{{form.radioPage()->shortcutButtons[2], 40, "72"},
                                                                     {form.radioPage()->shortcutButtons[0], 6, "06"},
                                                                     {form.radioPage()->downButton, 5, "05"},
                                                                     {form.radioPage()->channel16Button, 16, "16"},
                                                                     {form.radioPage()->shortcutButtons[5], 52, "84"},
                                                                     {form.radioPage()->shortcutButtons[1], 9, "09"},
                                                                     {form.radioPage()->shortcutButtons[3], 45, "77"},
                                                                     {form.radioPage()->shortcutButtons[4], 48, "80"},
                                                                     {form.radioPage()->upButton, 49, "81"}};
        for (const auto &[button, row, shown] : presses) {
            button->click();
            QCOMPARE(form.station().channelSelector().row(), row);
            QCOMPARE(form.radioPage()->channelLabel->text(), shown);
            QCOMPARE(int(form.voice().receiver().port()), 18000 + row);
            QCOMPARE(int(form.voice().sender().port()), 18000 + row);
            QVERIFY(form.voice().receiver().isActive()); // reopened on the new port
        }
        form.station().channelSelector().select(1);
        form.radioPage()->downButton->click();
        QCOMPARE(form.station().channelSelector().row(), 56);
        form.radioPage()->upButton->click();
        QCOMPARE(form.station().channelSelector().row(), 1);
    }

    void portOutOfRangeIsSaidOnceAndTheChannelStaysSilent()
    {
        StationFolder folder("[radio]\nbase_port=2147483000\n");
        ModalScript script;
        script.messageStartingWith("Voice port 2147483016 of channel row 16 is outside 1 to 65535");
        MainWindow form(folder.environment());
        form.show();
        QVERIFY(!form.voice().receiver().isActive()); // never bound to some other port
        form.radioPage()->upButton->click();
        QVERIFY(!form.voice().receiver().isActive());
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QCOMPARE(form.voice().receiver().port(), quint16(0));
    }

    void oneDigitChannelIsPaddedOnlyAtStart()
    {
        StationFolder folder;
        QFile ini(folder.path() + "/channels.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[channels]\n16=6\n216=SIM\n");
        ini.close();
        MainWindow form(folder.environment());
        form.show();
        QCOMPARE(form.radioPage()->channelLabel->text(), QString("06"));
        form.radioPage()->channel16Button->click();
        QCOMPARE(form.radioPage()->channelLabel->text(), QString("6"));
    }

    void startsWithoutTheTable()
    {
        StationFolder folder;
        QFile::remove(folder.path() + "/channels.ini");
        ModalScript script;
        script.message("Load channels.ini failed!\r\nNo such file or directory")
            .message("Please check installation path.");
        MainWindow form(folder.environment());
        form.show();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QCOMPARE(form.radioPage()->channelLabel->text(), QString()); // empty display, and on it goes
        QCOMPARE(int(form.voice().receiver().port()), 17016);
        QVERIFY(form.voice().receiver().isActive());
        form.radioPage()->shortcutButtons[2]->click();
        QCOMPARE(int(form.voice().receiver().port()), 17040);
    }
    void receiveIndicatorFollowsThePackets()
    {
        StationFolder folder;
        MainWindow form(folder.environment());
        form.show();
        form.pages()->setCurrentWidget(form.radioPage());
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.voice().receiver().isActive());
        QVERIFY(!form.radioPage()->receiveIndicator->isVisible());

        QUdpSocket talker;
        const QByteArray packet = voice_packet::build(3, 0, {format_tag::Gsm610, 8000, 1, 0}, QByteArray(65, '\0'));
        QElapsedTimer sinceLast;
        int sent = 0;
        QTimer every40ms;
        QEventLoop talking;
        QObject::connect(&every40ms, &QTimer::timeout, [&] {
            talker.writeDatagram(packet, QHostAddress::LocalHost, 17016);
            sinceLast.start();
            if (++sent == 20) {
                every40ms.stop();
                talking.quit();
            }
        });
        every40ms.start(40);
        talking.exec();
        QVERIFY(form.radioPage()->receiveIndicator->isVisible()); // on without flicker through the burst
        QVERIFY(form.radioPage()->receiveTimer->isActive());

        QEventLoop off;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!form.radioPage()->receiveIndicator->isVisible())
                off.quit();
        });
        watch.start(5);
        QTimer::singleShot(2000, &off, &QEventLoop::quit);
        off.exec();
        const qint64 after = sinceLast.elapsed();
        QVERIFY2(!form.radioPage()->receiveIndicator->isVisible(), "the indicator stayed on");
        // One to two ticks of 200 ms after the last packet, give or take scheduling.
        QVERIFY2(after >= 180 && after <= 480, qPrintable(QString::number(after)));
    }

    void pushToTalkWithoutMicrophone()
    {
        if (audio_devices::input_count() > 0)
            QSKIP("this machine has a recording device; the sound server test covers push-to-talk");
        StationFolder folder;
        MainWindow form(folder.environment());
        form.show();
        form.pages()->setCurrentWidget(form.radioPage());
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ModalScript script;
        script.message("Please check audio source (microphone) !");
        QTest::mousePress(form.radioPage()->pushToTalk, Qt::LeftButton);
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(form.radioPage()->transmitIndicator->isVisible());
        QVERIFY(form.voice().receiver().isActive()); // reception goes on
        QVERIFY(!form.voice().microphone().isActive());
        QTest::mouseRelease(form.radioPage()->pushToTalk, Qt::RightButton); // any button counts
        QVERIFY(!form.radioPage()->transmitIndicator->isVisible());
        QVERIFY(form.voice().receiver().isActive());
    }
};

QTEST_MAIN(TestRadioPage)
#include "tst_radio_page.moc"

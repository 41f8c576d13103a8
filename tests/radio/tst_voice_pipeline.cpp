// The voice path without sound cards: a tone from a WAV file goes through
// the encoder and the network to receivers that record what they would play.
#include "RunFor.h"
#include "ModalScript.h"
#include "SoxTone.h"
#include "StationFixture.h"
#include "Tone.h"
#include "WavSamples.h"
#include "platform/BroadcastReceiver.h"
#include "platform/BroadcastSender.h"
#include "platform/VoicePacket.h"
#include "platform/WaveCodecDevice.h"
#include "platform/WaveFileReader.h"
#include "platform/WaveFileWriter.h"
#include "platform/WaveInDevice.h"
#include "shell/Unit1.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTabWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

namespace {

struct Listener
{
    BroadcastReceiver receiver;
    WaveCodecDevice decoder{WaveCodecDevice::Decode};
    WaveFileWriter recorder;
    Listener(quint16 port, const QString &file)
    {
        receiver.setPort(QString::number(port));
        receiver.setBindAddress("127.0.0.1");
        receiver.setConsumer(&decoder);
        decoder.setConsumer(&recorder);
        recorder.setFileName(file);
    }
};

} // namespace

class TestVoicePipeline : public QObject
{
    Q_OBJECT

private slots:
    void stationOnTheChannelHearsTheTone()
    {
        QTemporaryDir dir;
        const QString tone = dir.filePath("tone.wav");
        QVERIFY2(make_tone_wav(tone, 1000, 1.5), "sox could not make the tone");

        Listener same(19016, dir.filePath("same.wav")), other(19072, dir.filePath("other.wav"));
        QVERIFY(same.receiver.open() && same.recorder.isActive());
        QVERIFY(other.receiver.open());

        WaveFileReader reader;
        WaveCodecDevice encoder(WaveCodecDevice::Encode);
        BroadcastSender sender;
        reader.setFileName(tone);
        reader.setConsumer(&encoder);
        encoder.setConsumer(&sender);
        sender.setPort("19016");
        sender.setDestination(QHostAddress::LocalHost);
        QVERIFY(reader.open());
        QVERIFY(sender.isActive());
        run_for(1800);
        QVERIFY(!reader.isActive() && !sender.isActive()); // the end of the file closed the chain
        QVERIFY(sender.packetsSent() >= 35);               // 1.5 s in 40 ms blocks
        same.receiver.close();
        other.receiver.close();
        QVERIFY(!same.recorder.isActive());

        int rate = 0;
        const QVector<short> heard = read_wav(dir.filePath("same.wav"), &rate);
        QCOMPARE(rate, 16000);
        QVERIFY(heard.size() > rate); // over a second recorded
        QVERIFY(has_tone(heard, rate, 1000, 2000));
        QVERIFY(same.receiver.packetsReceived() >= 35);
        const QVector<short> silence = read_wav(dir.filePath("other.wav"));
        QVERIFY(!silence.isEmpty());
        QCOMPARE(other.receiver.packetsReceived(), 0);
        QVERIFY(rms(silence) < 1);
    }

    void receiveIndicatorFollowsThePackets()
    {
        StationFolder folder;
        TForm1 form;
        form.show();
        form.pager->setCurrentWidget(form.page_vhf);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.BroadcastRX->isActive());
        QVERIFY(!form.lbl_RX->isVisible());

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
        QVERIFY(form.lbl_RX->isVisible()); // on without flicker through the burst
        QVERIFY(form.Timer_busy->isActive());

        QEventLoop off;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!form.lbl_RX->isVisible())
                off.quit();
        });
        watch.start(5);
        QTimer::singleShot(2000, &off, &QEventLoop::quit);
        off.exec();
        const qint64 after = sinceLast.elapsed();
        QVERIFY2(!form.lbl_RX->isVisible(), "the indicator stayed on");
        // One to two ticks of 200 ms after the last packet, give or take scheduling.
        QVERIFY2(after >= 180 && after <= 480, qPrintable(QString::number(after)));
        QCOMPARE(rx_packet_count, 0);
    }

    void pushToTalkWithoutMicrophone()
    {
        if (WaveInDevice::deviceCount() > 0)
            QSKIP("this machine has a recording device; the sound server test covers push-to-talk");
        StationFolder folder;
        TForm1 form;
        form.show();
        form.pager->setCurrentWidget(form.page_vhf);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ModalScript script;
        script.message("Please check audio source (microphone) !");
        QTest::mousePress(form.img_btn_ptt, Qt::LeftButton);
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(form.lbl_TX->isVisible());
        QVERIFY(form.BroadcastRX->isActive()); // reception goes on
        QVERIFY(!form.InDevice1->isActive());
        QTest::mouseRelease(form.img_btn_ptt, Qt::RightButton); // any button counts
        QVERIFY(!form.lbl_TX->isVisible());
        QVERIFY(form.BroadcastRX->isActive());
    }
};

QTEST_MAIN(TestVoicePipeline)
#include "tst_voice_pipeline.moc"

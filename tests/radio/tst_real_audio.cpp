// The voice path through real sound devices of the private sound server
// that scripts/test starts: a microphone hearing a 1000 Hz tone and null
// loudspeakers whose monitors are recorded.
#include "RunFor.h"
#include "ModalScript.h"
#include "MonitorRecorder.h"
#include "StationFixture.h"
#include "Tone.h"
#include "platform/BroadcastReceiver.h"
#include "platform/BroadcastSender.h"
#include "platform/WaveCodecDevice.h"
#include "platform/WaveInDevice.h"
#include "platform/WaveOutDevice.h"
#include "shell/Unit1.h"

#include <QEventLoop>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

int indexOf(const QList<QAudioDevice> &devices, const QByteArray &id)
{
    for (int i = 0; i < devices.size(); ++i)
        if (devices[i].id() == id)
            return i;
    return -1;
}

} // namespace

class TestRealAudio : public QObject
{
    Q_OBJECT
    int m_mic = -1, m_speakerB = -1;

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            QSKIP("no sound server: scripts/test starts one (PULSE_SERVER is not set)");
        m_mic = indexOf(QMediaDevices::audioInputs(), "mic");
        m_speakerB = indexOf(QMediaDevices::audioOutputs(), "speaker_b");
        if (m_mic < 0 || m_speakerB < 0)
            QSKIP("the sound server at PULSE_SERVER does not offer mic and speaker_b");
    }

    void microphoneToLoudspeakerOverTheNetwork()
    {
        // Talking station: microphone, encoder, sender (to loopback here).
        WaveInDevice mic;
        WaveCodecDevice encoder(WaveCodecDevice::Encode);
        BroadcastSender sender;
        mic.setDeviceId(m_mic);
        mic.setPcmFormat({format_tag::Pcm, 44100, 2, 16});
        mic.setConsumer(&encoder);
        encoder.setConsumer(&sender);
        sender.setPort("19200");
        sender.setDestination(QHostAddress::LocalHost);
        // Listening station: receiver, decoder, loudspeaker.
        BroadcastReceiver receiver;
        WaveCodecDevice decoder(WaveCodecDevice::Decode);
        WaveOutDevice speaker;
        receiver.setPort("19200");
        receiver.setBindAddress("127.0.0.1");
        receiver.setConsumer(&decoder);
        decoder.setConsumer(&speaker);
        speaker.setDeviceId(m_speakerB);
        // What reaches the loudspeaker.
        MonitorRecorder ear("speaker_b");

        QVERIFY(receiver.open() && speaker.isActive());
        QVERIFY(ear.start());
        run_for(400);
        const int quietUntil = int(ear.samples().size());
        QVERIFY(mic.open());
        run_for(2000);
        mic.close();
        run_for(300);
        receiver.close();
        ear.stop();

        const QVector<short> heard = ear.samples();
        QVERIFY2(sender.packetsSent() >= 40, qPrintable(QString::number(sender.packetsSent())));
        QVERIFY(receiver.packetsReceived() >= 40);
        QVERIFY(rms(heard.mid(0, quietUntil)) < 50); // nothing before the talk
        QVERIFY2(has_tone(heard.mid(quietUntil), MonitorRecorder::Rate, 1000, 1000),
                 qPrintable(QStringLiteral("1000 Hz at %1")
                                .arg(tone_amplitude(heard.mid(quietUntil), MonitorRecorder::Rate, 1000))));
    }

    void pushToTalkClosesReceptionAndReleaseReopensIt()
    {
        StationFolder folder;
        TForm1 form;
        form.BroadcastTX->setDestination(QHostAddress::LocalHost); // never a broadcast on this machine
        form.show();
        form.pager->setCurrentWidget(form.page_vhf);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.BroadcastRX->isActive());
        form.btn_ch[2]->click(); // channel 72 before the press
        QTest::mousePress(form.img_btn_ptt, Qt::LeftButton);
        QVERIFY(form.lbl_TX->isVisible());
        QVERIFY(!form.BroadcastRX->isActive()); // half-duplex: no listening while talking
        QVERIFY(form.InDevice1->isActive() && form.Encoder->isActive() && form.BroadcastTX->isActive());
        QCOMPARE(form.BroadcastTX->port(), QString("17040"));
        run_for(600);
        QVERIFY2(form.BroadcastTX->packetsSent() > 5, qPrintable(QString::number(form.BroadcastTX->packetsSent())));
        QTest::mouseRelease(form.img_btn_ptt, Qt::LeftButton);
        QVERIFY(!form.lbl_TX->isVisible());
        QVERIFY(!form.InDevice1->isActive() && !form.BroadcastTX->isActive());
        QVERIFY(form.BroadcastRX->isActive());
        QCOMPARE(form.BroadcastRX->port(), QString("17040"));
    }
};

QTEST_MAIN(TestRealAudio)
#include "tst_real_audio.moc"

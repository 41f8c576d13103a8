// The voice path through real sound devices of the private sound server
// that scripts/test starts: a microphone hearing a 1000 Hz tone and null
// loudspeakers whose monitors are recorded.
#include "ModalScript.h"
#include "MonitorRecorder.h"
#include "RunFor.h"
#include "StationFixture.h"
#include "Tone.h"
#include "core/config/AudioDeviceChoice.h"
#include "ui/MainWindow.h"
#include "ui/RadioPage.h"
#include "voice/GsmCodecStage.h"
#include "voice/MicrophoneInput.h"
#include "voice/SpeakerOutput.h"
#include "voice/VoiceEngine.h"
#include "voice/VoiceReceiver.h"
#include "voice/VoiceSender.h"

#include <QAudioDevice>
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
        // Device list positions as the device choice keeps them, without the default device.
        AudioDeviceChoice devices;
        devices.waveIn = m_mic;
        devices.waveOut = m_speakerB;
        // Talking station, sending to loopback here; listening station on its loudspeaker.
        VoiceEngine talker, listener;
        talker.applyDeviceChoice(devices, 0);
        talker.setPorts(19201, 19200);
        talker.setTransmitDestination(QHostAddress::LocalHost);
        listener.applyDeviceChoice(devices, 0);
        listener.setPorts(19200, 19202);
        listener.setReceiveBindAddress("127.0.0.1");
        // What reaches the loudspeaker.
        MonitorRecorder ear("speaker_b");

        QVERIFY(listener.openReceiver() && listener.speaker().isActive());
        QVERIFY(ear.start());
        run_for(400);
        const int quietUntil = int(ear.samples().size());
        QCOMPARE(talker.startTalking(), VoiceEngine::Talk::Started);
        run_for(2000);
        talker.stopTalking();
        run_for(300);
        listener.closeReceiver();
        ear.stop();

        const QVector<short> heard = ear.samples();
        QVERIFY2(talker.sender().packetsSent() >= 40, qPrintable(QString::number(talker.sender().packetsSent())));
        QVERIFY(listener.receiver().packetsReceived() >= 40);
        QVERIFY(rms(heard.mid(0, quietUntil)) < 50); // nothing before the talk
        QVERIFY2(has_tone(heard.mid(quietUntil), MonitorRecorder::Rate, 1000, 1000),
                 qPrintable(QStringLiteral("1000 Hz at %1")
                                .arg(tone_amplitude(heard.mid(quietUntil), MonitorRecorder::Rate, 1000))));
    }

    void pushToTalkClosesReceptionAndReleaseReopensIt()
    {
        StationFolder folder;
        MainWindow form(folder.environment());
        form.voice().setTransmitDestination(QHostAddress::LocalHost); // never a broadcast on this machine
        form.show();
        form.pages()->setCurrentWidget(form.radioPage());
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.voice().receiver().isActive());
        form.radioPage()->shortcutButtons[2]->click(); // channel 72 before the press
        QTest::mousePress(form.radioPage()->pushToTalk, Qt::LeftButton);
        QVERIFY(form.radioPage()->transmitIndicator->isVisible());
        QVERIFY(!form.voice().receiver().isActive()); // half-duplex: no listening while talking
        QVERIFY(form.voice().microphone().isActive() && form.voice().encoder().isActive()
                && form.voice().sender().isActive());
        QCOMPARE(int(form.voice().sender().port()), 17040);
        run_for(600);
        QVERIFY2(form.voice().sender().packetsSent() > 5,
                 qPrintable(QString::number(form.voice().sender().packetsSent())));
        QTest::mouseRelease(form.radioPage()->pushToTalk, Qt::LeftButton);
        QVERIFY(!form.radioPage()->transmitIndicator->isVisible());
        QVERIFY(!form.voice().microphone().isActive() && !form.voice().sender().isActive());
        QVERIFY(form.voice().receiver().isActive());
        QCOMPARE(int(form.voice().receiver().port()), 17040);
    }
};

QTEST_MAIN(TestRealAudio)
#include "tst_real_audio.moc"

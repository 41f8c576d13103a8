#include "ModalScript.h"
#include "StationFixture.h"
#include "Widgets.h"
#include "ui/MainWindow.h"
#include "ui/dialogs/AudioDeviceDialog.h"
#include "voice/GsmCodecStage.h"
#include "voice/MicrophoneInput.h"
#include "voice/SpeakerOutput.h"
#include "voice/VoiceEngine.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {
QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestAudioConfig : public QObject
{
    Q_OBJECT

private slots:
    void appliedSilentlyAtStart_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::newRow("missing: 16-bit 44100 Hz stereo") << QByteArray() << 44100 << 2;
        QTest::newRow("stored format") << QByteArray("[waveAudio]\nwave.in.formatExt=tag=1/nch=1/rate=22050/abps=44100/"
                                                     "balign=2/bits=16/cb=0/config=/\n")
                                       << 22050 << 1;
        QTest::newRow("garbage: the default")
            << QByteArray("[waveAudio]\nwave.in.formatExt=tag=49/nch=x/\n") << 44100 << 2;
    }
    void appliedSilentlyAtStart()
    {
        QFETCH(QByteArray, section);
        QFETCH(int, rate);
        QFETCH(int, channels);
        StationFolder folder("[radio]\nmmsi=274111001\n" + section);
        ModalScript script; // nothing may be shown
        MainWindow form(folder.environment());
        form.show();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QCOMPARE(form.voice().microphone().pcmFormat().sampleRate, rate);
        QCOMPARE(form.voice().microphone().pcmFormat().channels, channels);
        QCOMPARE(form.voice().microphone().deviceId(), -1); // the Wave Mapper: the system's default
        QCOMPARE(form.voice().speaker().deviceId(), -1);
        QCOMPARE(form.voice().encoder().formatTag(), 49);
        QCOMPARE(form.findChild<AudioDeviceDialog *>()->windowTitle(), QString("Audio Devices Configuration"));
    }

    void okWritesTheSectionAndCancelNothing()
    {
        StationFolder folder("; audio\n[radio]\nmmsi=274111001\n");
        MainWindow form(folder.environment());
        form.show();
        const QString path = folder.path() + "/quillet.ini";
        const QByteArray before = readFile(path);

        ModalScript cancel;
        cancel.dialog<AudioDeviceDialog>([](AudioDeviceDialog &d) {
            d.recordingFormatBox->setCurrentIndex(0);
            d.cancelButton->click();
            return d.result();
        });
        child<QAction>(form, "Audio1")->trigger();
        QVERIFY2(cancel.problems().isEmpty(), qPrintable(cancel.problems()));
        QCOMPARE(readFile(path), before);
        QCOMPARE(form.voice().microphone().pcmFormat().sampleRate, 44100);

        ModalScript ok;
        ok.dialog<AudioDeviceDialog>([](AudioDeviceDialog &d) {
            [&] {
                QCOMPARE(d.inputDeviceBox->itemText(0), QString("Wave Mapper"));
                QCOMPARE(d.outputDeviceBox->itemText(0), QString("Wave Mapper"));
                QCOMPARE(d.driverBox->currentText(), QString("ACM"));
            }();
            d.recordingFormatBox->setCurrentIndex(
                d.recordingFormatBox->findData(AudioDeviceChoice::formatText({format_tag::Pcm, 16000, 1, 16})));
            d.okButton->click();
            return d.result();
        });
        child<QAction>(form, "Audio1")->trigger();
        QVERIFY2(ok.problems().isEmpty(), qPrintable(ok.problems()));
        QCOMPARE(readFile(path), before
                                     + "\n[waveAudio]\nwave.in.deviceIdIndex=0\nwave.out.deviceIdIndex=0\n"
                                       "codec.in.driverModeIndex=0\ncodec.in.formatTag=49\ncodec.in.driverLib=\n"
                                       "wave.in.sd.mode=0\nwave.in.formatExt=tag=1/nch=1/rate=16000/abps=32000/"
                                       "balign=2/bits=16/cb=0/config=/\n");
        QCOMPARE(form.voice().microphone().pcmFormat().sampleRate, 16000);
        QCOMPARE(form.voice().microphone().pcmFormat().channels, 1);
    }
};

QTEST_MAIN(TestAudioConfig)
#include "tst_audio_config.moc"

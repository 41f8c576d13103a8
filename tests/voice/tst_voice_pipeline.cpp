// The voice path without sound cards: a tone from a WAV file goes through
// the encoder and the network to receivers that record what they would play.
#include "PcmCapture.h"
#include "RunFor.h"
#include "SoxTone.h"
#include "Tone.h"
#include "VoiceListener.h"
#include "WavSamples.h"
#include "voice/VoiceEngine.h"
#include "voice/VoicePacket.h"
#include "voice/VoiceReceiver.h"
#include "voice/VoiceSender.h"
#include "voice/WavFileSource.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

class TestVoicePipeline : public QObject
{
    Q_OBJECT

private slots:
    void encodingsDecodeToTheTone_data()
    {
        QTest::addColumn<QStringList>("encoding");
        QTest::addColumn<int>("rate");
        QTest::newRow("PCM 8-bit") << QStringList{"-e", "unsigned-integer", "-b", "8"} << 22050;
        QTest::newRow("PCM 16-bit") << QStringList{"-e", "signed-integer", "-b", "16"} << 44100;
        QTest::newRow("PCM 24-bit") << QStringList{"-e", "signed-integer", "-b", "24"} << 48000;
        QTest::newRow("PCM 32-bit") << QStringList{"-e", "signed-integer", "-b", "32"} << 16000;
        QTest::newRow("float") << QStringList{"-e", "floating-point", "-b", "32"} << 22050;
        QTest::newRow("A-law") << QStringList{"-e", "a-law"} << 8000;
        QTest::newRow("mu-law") << QStringList{"-e", "mu-law"} << 8000;
        QTest::newRow("IMA ADPCM") << QStringList{"-e", "ima-adpcm"} << 11025;
        QTest::newRow("GSM 6.10") << QStringList{"-e", "gsm-full-rate"} << 8000;
    }
    void encodingsDecodeToTheTone()
    {
        QFETCH(QStringList, encoding);
        QFETCH(int, rate);
        QTemporaryDir dir;
        const QString file = dir.filePath("tone.wav");
        QVERIFY2(make_tone_wav(file, 1000, 0.5, rate, encoding), "sox could not make the file");
        WavFileSource reader;
        PcmCapture capture;
        reader.setFileName(file);
        reader.setConsumer(&capture);
        QVERIFY(reader.open());
        QCOMPARE(reader.format().sampleRate, rate);
        QVERIFY(capture.isActive());
        for (int i = 0; i < 100 && reader.isActive(); ++i)
            run_for(20);
        QVERIFY(!reader.isActive() && !capture.isActive()); // the end closed both
        const QVector<short> heard = capture.samples();
        QVERIFY2(heard.size() >= rate * 0.45 && heard.size() <= rate * 0.6, qPrintable(QString::number(heard.size())));
        QVERIFY(has_tone(heard, rate, 1000, 5000));
    }

    void stationOnTheChannelHearsTheTone()
    {
        QTemporaryDir dir;
        const QString tone = dir.filePath("tone.wav");
        QVERIFY2(make_tone_wav(tone, 1000, 1.5), "sox could not make the tone");

        VoiceListener same(19016, dir.filePath("same.wav")), other(19072, dir.filePath("other.wav"));
        QVERIFY(same.receiver.open() && same.recorder.isActive());
        QVERIFY(other.receiver.open());

        // A message transmitted on the channel, as the TX button does.
        VoiceEngine engine;
        engine.setPorts(19099, 19016);
        engine.setTransmitDestination(QHostAddress::LocalHost);
        QVERIFY(engine.transmitFile(tone));
        QVERIFY(engine.sender().isActive());
        run_for(1800);
        QVERIFY(!engine.fileSource().isActive() && !engine.sender().isActive()); // the end of the file closed the chain
        QVERIFY(engine.sender().packetsSent() >= 35);                            // 1.5 s in 40 ms blocks
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

    void talkerKeepsTheChannelAgainstInjectedSpurts()
    {
        QTemporaryDir dir;
        const QString tone = dir.filePath("tone.wav");
        QVERIFY2(make_tone_wav(tone, 1000, 1.5), "sox could not make the tone");
        VoiceListener listener(19116, dir.filePath("heard.wav"));
        QVERIFY(listener.receiver.open());

        // The real talker, and a host sending well-formed packets of a new
        // spurt every 2 ms, starting just after the talker.
        VoiceEngine talker;
        talker.setPorts(19199, 19116);
        talker.setTransmitDestination(QHostAddress::LocalHost);
        QVERIFY(talker.transmitFile(tone));
        run_for(60);
        QUdpSocket injector;
        quint16 spurt = 1000;
        QTimer inject;
        QObject::connect(&inject, &QTimer::timeout, [&] {
            const QByteArray noise = QByteArray(65, char(spurt & 0xff));
            injector.writeDatagram(voice_packet::build(++spurt, 0, {format_tag::Gsm610, 8000, 1, 0}, noise),
                                   QHostAddress::LocalHost, 19116);
        });
        inject.start(2);
        run_for(1700);
        inject.stop();
        listener.receiver.close();

        QVERIFY2(listener.receiver.packetsRefused() > 300,
                 qPrintable(QString::number(listener.receiver.packetsRefused())));
        int rate = 0;
        const QVector<short> heard = read_wav(dir.filePath("heard.wav"), &rate);
        QVERIFY2(has_tone(heard, rate, 1000, 2000), qPrintable(QString::number(tone_amplitude(heard, rate, 1000))));
    }
};

QTEST_MAIN(TestVoicePipeline)
#include "tst_voice_pipeline.moc"

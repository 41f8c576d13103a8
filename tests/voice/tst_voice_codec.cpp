#include "Tone.h"
#include "voice/GsmCodec.h"
#include "voice/GsmCodecStage.h"
#include "voice/VoicePacket.h"
#include "voice/VoiceReceiver.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace {

QVector<short> sine(int rate, double frequency, int samples, double amplitude = 8000)
{
    QVector<short> out(samples);
    for (int i = 0; i < samples; ++i)
        out[i] = short(amplitude * std::sin(2 * M_PI * frequency * i / rate));
    return out;
}

// The voice packets of a talk spurt carrying a tone, one block each.
QList<QByteArray> spurt(quint16 stream, int blocks, double frequency)
{
    GsmCodec codec;
    const QVector<short> pcm = sine(8000, frequency, blocks * GsmCodec::BlockSamples);
    QList<QByteArray> out;
    for (int b = 0; b < blocks; ++b)
        out << voice_packet::build(stream, quint32(b), {format_tag::Gsm610, 8000, 1, 0},
                                   codec.encode(pcm.constData() + b * GsmCodec::BlockSamples));
    return out;
}

// Pulls what the decoder plays at 16000 Hz mono, 40 ms at a time.
QVector<short> play(GsmCodecStage &decoder, int blocks)
{
    QVector<short> out;
    const StreamFormat pcm{format_tag::Pcm, 16000, 1, 16};
    QVector<short> piece(640);
    for (int i = 0; i < blocks; ++i) {
        decoder.pull(reinterpret_cast<char *>(piece.data()), piece.size() * 2, pcm);
        out += piece;
    }
    return out;
}

} // namespace

class TestVoiceCodec : public QObject
{
    Q_OBJECT

private slots:
    void gsmRoundTripKeepsTheTone()
    {
        GsmCodec codec;
        const QVector<short> pcm = sine(8000, 1000, 25 * GsmCodec::BlockSamples);
        QVector<short> decoded(pcm.size());
        for (int b = 0; b < 25; ++b) {
            const QByteArray block = codec.encode(pcm.constData() + b * GsmCodec::BlockSamples);
            QCOMPARE(block.size(), 65);
            codec.decode(block, decoded.data() + b * GsmCodec::BlockSamples);
        }
        QVERIFY(has_tone(decoded.mid(800), 8000, 1000, 3000));
    }

    void packets_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("valid");
        const QByteArray good = voice_packet::build(7, 42, {format_tag::Gsm610, 8000, 1, 0}, QByteArray(65, 'a'));
        const QByteArray two = voice_packet::build(7, 42, {format_tag::Gsm610, 8000, 1, 0}, QByteArray(130, 'b'));
        QTest::newRow("one block") << good << true;
        QTest::newRow("two blocks") << two << true;
        QTest::newRow("wrong magic") << QByteArray(good).replace(0, 4, "QVOY") << false;
        QTest::newRow("other version") << QByteArray(good).replace(4, 1, "\x02") << false;
        QTest::newRow("truncated block") << good.left(good.size() - 1) << false;
        QTest::newRow("header only") << good.left(voice_packet::HeaderSize) << false;
        QTest::newRow("more than it says") << good + "x" << false;
        QTest::newRow("three blocks") << QByteArray(two).replace(5, 1, "\x03") + QByteArray(65, 'c') << false;
        QTest::newRow("zero blocks") << QByteArray(good).replace(5, 1, QByteArray(1, '\0')) << false;
        QTest::newRow("unknown codec") << QByteArray(good).replace(6, 1, "\x01") << false;
        QTest::newRow("absurd rate") << QByteArray(good).replace(8, 4, "\xff\xff\xff\x7f") << false;
        QTest::newRow("stereo") << QByteArray(good).replace(12, 1, "\x02") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void packets()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(bool, valid);
        const auto parsed = voice_packet::parse(datagram);
        QCOMPARE(parsed.has_value(), valid);
        if (valid) {
            QCOMPARE(parsed->stream, quint16(7));
            QCOMPARE(parsed->sequence, quint32(42));
            QCOMPARE(parsed->format.formatTag, 49);
            QCOMPARE(parsed->blocks.size() * 65, datagram.size() - 20);
        }
    }

    void jitterBufferReordersAndFollowsANewTalker()
    {
        GsmCodecStage decoder(GsmCodecStage::Decode);
        QVERIFY(decoder.open());
        QSignalSpy arriving(&decoder, &AudioStage::dataAvailable);

        // First talker: packets swapped in pairs, as a busy LAN may deliver them.
        QList<QByteArray> first = spurt(1, 40, 1000);
        for (int i = 0; i + 1 < first.size(); i += 2)
            first.swapItemsAt(i, i + 1);
        for (const QByteArray &p : first) {
            const auto parsed = voice_packet::parse(p);
            decoder.write({parsed->blocks.join(), parsed->format, parsed->stream, parsed->sequence});
        }
        QCOMPARE(arriving.size(), 40);
        QVERIFY(has_tone(play(decoder, 40), 16000, 1000));

        // A second talker starts at once with other sequence numbers.
        for (const QByteArray &p : spurt(2, 30, 600)) {
            const auto parsed = voice_packet::parse(p);
            decoder.write({parsed->blocks.join(), parsed->format, quint16(2), parsed->sequence + 5000});
        }
        const QVector<short> second = play(decoder, 30);
        QVERIFY(has_tone(second, 16000, 600));
        QVERIFY(tone_amplitude(second, 16000, 1000) < tone_amplitude(second, 16000, 600) / 4);
        // Then silence, once the talk is over.
        QVERIFY(rms(play(decoder, 20).mid(3200)) < 50);
    }

    void hostilePacketsAreDropped()
    {
        VoiceReceiver receiver;
        GsmCodecStage decoder(GsmCodecStage::Decode);
        receiver.setConsumer(&decoder);
        QVERIFY(decoder.open());
        QRandomGenerator rng(4242);
        const QByteArray good = spurt(9, 1, 1000).first();
        int valid = 0;
        for (int i = 0; i < 10000; ++i) {
            QByteArray d;
            switch (rng.bounded(4)) {
            case 0:
                d = QByteArray(rng.bounded(0, 1500), Qt::Uninitialized);
                for (char &c : d)
                    c = char(rng.bounded(256));
                break;
            case 1:
                d = good.left(rng.bounded(good.size() + 1));
                break;
            case 2:
                d = good;
                for (int k = rng.bounded(1, 6); k > 0; --k)
                    d[rng.bounded(d.size())] = char(rng.bounded(256));
                break;
            default:
                d = voice_packet::build(quint16(rng.bounded(65536)), rng.generate(), {format_tag::Gsm610, 8000, 1, 0},
                                        QByteArray(65, char(rng.bounded(256))));
                break;
            }
            valid += voice_packet::parse(d).has_value();
            receiver.receive(d);
            if (i % 50 == 0)
                play(decoder, 1);
        }
        // Well-formed packets of other spurts than the first are refused, not passed on.
        QCOMPARE(receiver.packetsReceived() + int(receiver.packetsRefused()), valid);
        QCOMPARE(int(receiver.packetsDropped()), 10000 - valid);
        QVERIFY(valid > 2000);
    }
};

QTEST_GUILESS_MAIN(TestVoiceCodec)
#include "tst_voice_codec.moc"

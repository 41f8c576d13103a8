// Voice figures: GSM 6.10 speed as a real-time factor; the software voice
// delay from a PCM block entering the encoder to the same audio leaving the
// decoder toward the loudspeaker over loopback (and the jitter buffer's
// share); the CPU a station spends talking and listening. With a sound
// server (PULSE_SERVER, as scripts/sound-server starts one) the talking and
// listening figures use the real devices. Run headless.
#include "RunFor.h"
#include "core/config/AudioDeviceChoice.h"
#include "voice/AudioDevices.h"
#include "voice/GsmCodec.h"
#include "voice/GsmCodecStage.h"
#include "voice/MicrophoneInput.h"
#include "voice/SpeakerOutput.h"
#include "voice/VoiceEngine.h"
#include "voice/VoicePacket.h"
#include "voice/VoiceReceiver.h"
#include "voice/VoiceSender.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, size_t(p * v.size()))];
}

void codecSpeed()
{
    GsmCodec codec;
    std::vector<qint16> pcm(GsmCodec::BlockSamples);
    for (int i = 0; i < GsmCodec::BlockSamples; ++i)
        pcm[i] = qint16(8000 * std::sin(i * 0.7));
    const int blocks = 5000; // 200 s of audio
    QElapsedTimer t;
    t.start();
    QByteArray block;
    for (int i = 0; i < blocks; ++i)
        block = codec.encode(pcm.data());
    const double encode = t.nsecsElapsed() / 1e9;
    t.restart();
    for (int i = 0; i < blocks; ++i)
        codec.decode(block, pcm.data());
    const double decode = t.nsecsElapsed() / 1e9;
    const double audio = blocks * 0.040;
    std::printf("GSM 6.10 at 8000 Hz: encode %.0fx real time (%.1f us per 40 ms block), decode %.0fx (%.1f us)\n",
                audio / encode, encode / blocks * 1e6, audio / decode, decode / blocks * 1e6);
}

// A host floods the channel with packets of ever new talk spurts while a
// talker holds it: what refusing one costs the listener, and how many of
// the talker's blocks still reach the decoder.
void takeoverFlood()
{
    VoiceReceiver receiver;
    GsmCodecStage decoder(GsmCodecStage::Decode);
    receiver.setConsumer(&decoder);
    decoder.open();
    const StreamFormat gsm{format_tag::Gsm610, 8000, 1, 0};
    const QByteArray block(GsmCodec::BlockBytes, '\x11');
    const int floodPackets = 1000000, talkerEvery = 400; // one talker packet per 400 flood packets
    QElapsedTimer clock;
    clock.start();
    quint32 sequence = 0;
    for (int i = 0; i < floodPackets; ++i) {
        if (i % talkerEvery == 0)
            receiver.receive(voice_packet::build(7, sequence++, gsm, block));
        receiver.receive(voice_packet::build(quint16(1000 + i % 60000), 0, gsm, block));
    }
    const double ns = double(clock.nsecsElapsed()) / floodPackets;
    std::printf("take-over flood: %.2f us per refused packet (%.1f%% of a core at 10,000 packets/s); "
                "%llu refused, %d of %u talker packets passed on\n",
                ns / 1000, ns * 10000 / 1e9 * 100, receiver.packetsRefused(), receiver.packetsReceived(), sequence);
}

// Encoder -> sender -> loopback -> receiver -> decoder, pulled every 10 ms
// as a sound card would. Bursts of tone go in every 300 ms; the delay is
// until the pulled audio carries the burst.
void softwareLatency()
{
    GsmCodecStage encoder(GsmCodecStage::Encode);
    VoiceSender sender;
    VoiceReceiver receiver;
    GsmCodecStage decoder(GsmCodecStage::Decode);
    encoder.setConsumer(&sender);
    sender.setPort(19300);
    sender.setDestination(QHostAddress::LocalHost);
    receiver.setPort(19300);
    receiver.setBindAddress("127.0.0.1");
    receiver.setConsumer(&decoder);
    receiver.open();
    encoder.open();

    const StreamFormat in{format_tag::Pcm, 8000, 1, 16};
    const StreamFormat out{format_tag::Pcm, 48000, 1, 16};
    QElapsedTimer clock;
    clock.start();
    qint64 injected = -1, arrived = -1;
    std::vector<double> total, jitter;
    QObject::connect(&decoder, &AudioStage::dataAvailable, [&] {
        if (injected >= 0 && arrived < 0)
            arrived = clock.nsecsElapsed();
    });
    // The talker never stops: silence between bursts, as a microphone sends.
    QTimer talk;
    int block = 0;
    QObject::connect(&talk, &QTimer::timeout, [&] {
        const bool burst = block++ % 8 == 4 && injected < 0;
        QByteArray pcm(GsmCodec::BlockSamples * 2, '\0');
        if (burst) {
            qint16 *s = reinterpret_cast<qint16 *>(pcm.data());
            for (int i = 0; i < GsmCodec::BlockSamples; ++i)
                s[i] = qint16(12000 * std::sin(i * 2 * M_PI * 1000 / 8000));
            injected = clock.nsecsElapsed();
            arrived = -1;
        }
        encoder.write({pcm, in, 0, 0});
    });
    QTimer sink;
    QObject::connect(&sink, &QTimer::timeout, [&] {
        std::vector<qint16> pcm(480);
        decoder.pull(reinterpret_cast<char *>(pcm.data()), qint64(pcm.size() * 2), out);
        int loud = 0;
        for (qint16 s : pcm)
            loud += std::abs(s) > 2000;
        if (injected >= 0 && arrived >= 0 && loud > 20) {
            const qint64 now = clock.nsecsElapsed();
            total.push_back((now - injected) / 1e6);
            jitter.push_back((now - arrived) / 1e6);
            injected = -1;
        }
    });
    talk.setTimerType(Qt::PreciseTimer);
    sink.setTimerType(Qt::PreciseTimer);
    talk.start(40);
    sink.start(10);
    run_for(30000);
    std::printf("software voice delay, encoder in -> decoder out over loopback (%zu bursts): p50 %.1f ms, "
                "p99 %.1f ms; of it in the jitter buffer and output pull: p50 %.1f ms, p99 %.1f ms\n"
                "  (add 40 ms of block framing: a block leaves only when its 320 samples are complete)\n",
                total.size(), percentile(total, 0.5), percentile(total, 0.99), percentile(jitter, 0.5),
                percentile(jitter, 0.99));
    encoder.close();
    receiver.close();
}

// A talking station and a listening one on loopback, as two stations' voice
// engines on one channel.
struct TwoStations
{
    VoiceEngine talker, listener;
    TwoStations(quint16 port, const AudioDeviceChoice &talkerDevices, const AudioDeviceChoice &listenerDevices)
    {
        talker.applyDeviceChoice(talkerDevices, 0);
        talker.setPorts(port + 1, port);
        talker.setTransmitDestination(QHostAddress::LocalHost);
        listener.applyDeviceChoice(listenerDevices, 0);
        listener.setPorts(port, port + 2);
        listener.setReceiveBindAddress(QStringLiteral("127.0.0.1"));
    }
};

void stationCpu()
{
    if (audio_devices::input_count() == 0) {
        std::printf("talking and listening CPU: no sound server (run under scripts/sound-server)\n");
        return;
    }
    // The default devices (-1), recording 44100 Hz stereo.
    AudioDeviceChoice devices;
    devices.waveIn = devices.waveOut = -1;
    TwoStations stations(19400, devices, devices);

    const int seconds = 10;
    double before = cpuSeconds();
    stations.talker.startTalking();
    run_for(seconds * 1000);
    stations.talker.stopTalking();
    stations.talker.closeReceiver();
    const double talking = (cpuSeconds() - before) / seconds * 100;

    // Listening: the other station's packets arrive; this one plays them.
    stations.listener.openReceiver();
    stations.talker.startTalking();
    run_for(1000);
    before = cpuSeconds();
    const double talkerOnly = talking;
    run_for(seconds * 1000);
    const double both = (cpuSeconds() - before) / seconds * 100;
    stations.talker.stopTalking();
    stations.listener.closeReceiver();
    std::printf("station CPU (one core = 100%%): talking %.1f%%, listening %.1f%% (both ends in one process: "
                "%.1f%%, less the talker's %.1f%%)\n",
                talkerOnly, both - talkerOnly, both, talkerOnly);
}

// Notes when each burst of loud audio reaches it.
class BurstDetector : public AudioStage
{
public:
    explicit BurstDetector(const QElapsedTimer &clock) : m_clock(clock) {}
    std::vector<qint64> onsets; // ns on the clock
    void write(const AudioChunk &chunk) override
    {
        const qint16 *s = reinterpret_cast<const qint16 *>(chunk.data.constData());
        int loud = 0;
        for (qsizetype i = 0; i < chunk.data.size() / 2; ++i)
            loud += std::abs(s[i]) > 8000;
        const qint64 now = m_clock.nsecsElapsed();
        if (loud > 10 && (onsets.empty() || now - onsets.back() > 300000000))
            onsets.push_back(now);
    }

protected:
    bool doOpen() override { return true; }
    void doClose() override {}

private:
    const QElapsedTimer &m_clock;
};

QString pactl(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("pactl"), args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

int inputIndex(const QByteArray &id)
{
    const QList<QAudioDevice> inputs = QMediaDevices::audioInputs();
    for (int i = 0; i < inputs.size(); ++i)
        if (inputs[i].id() == id)
            return i;
    return -1;
}

// Mouth to ear through the sound server: clicks written into a paced pipe
// microphone go through the whole station path to the loudspeaker, whose
// monitor is heard again as a recording source. The same kind of capture
// also hears the microphone directly; its delay is taken off, so the figure
// is the path a trainee hears, not the measurement's own.
void mouthToEar()
{
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER") || pactl({"info"}).isEmpty()) {
        std::printf("mouth to ear: no sound server (run under scripts/sound-server)\n");
        return;
    }
    QTemporaryDir dir;
    const QString fifo = dir.filePath("mic");
    // The pipe source makes the pipe itself.
    const QString micModule = pactl({"load-module", "module-pipe-source", "source_name=clickmic", "file=" + fifo,
                                     "format=s16le", "rate=16000", "channels=1"});
    const QString earModule =
        pactl({"load-module", "module-remap-source", "master=speaker_b.monitor", "source_name=ear"});
    run_for(800); // the device lists follow the server
    const int mic = inputIndex("clickmic"), ear = inputIndex("ear");
    int speaker = -1;
    const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
    for (int i = 0; i < outputs.size(); ++i)
        if (outputs[i].id() == "speaker_b")
            speaker = i;
    if (mic < 0 || ear < 0 || speaker < 0) {
        std::printf("mouth to ear: the sound server lacks the pipe source, remap source or speaker_b\n");
        pactl({"unload-module", micModule});
        pactl({"unload-module", earModule});
        return;
    }

    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> clicks;
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY);
        std::vector<qint16> chunk(160); // 10 ms at 16000 Hz
        for (int n = 0; !stop; ++n) {
            const bool click = n % 50 == 25 && n > 100; // every 0.5 s after a settling second
            for (int i = 0; i < 160; ++i)
                chunk[i] = click ? qint16(20000 * std::sin(i * 2 * M_PI * 1000 / 16000)) : 0;
            if (click)
                clicks.push_back(clock.nsecsElapsed());
            ::write(fd, chunk.data(), chunk.size() * 2);
            // Paced in real time: the pipe passes data as fast as it is written.
            const qint64 due = qint64(n + 1) * 10000000;
            const qint64 now = clock.nsecsElapsed();
            if (due > now)
                std::this_thread::sleep_for(std::chrono::nanoseconds(due - now));
        }
        ::close(fd);
    });

    // The station path: the click microphone, and speaker_b as the listener's loudspeaker.
    AudioDeviceChoice talkerDevices, listenerDevices;
    talkerDevices.waveIn = mic;
    talkerDevices.recording = {format_tag::Pcm, 16000, 1, 16};
    listenerDevices.waveOut = speaker;
    TwoStations stations(19500, talkerDevices, listenerDevices);
    // The measurement's own taps: the microphone heard directly, and the loudspeaker's monitor.
    MicrophoneInput direct, heard;
    BurstDetector atMic(clock), atEar(clock);
    direct.setDeviceId(mic);
    direct.setPcmFormat({format_tag::Pcm, 16000, 1, 16});
    direct.setConsumer(&atMic);
    heard.setDeviceId(ear);
    heard.setPcmFormat({format_tag::Pcm, 16000, 1, 16});
    heard.setConsumer(&atEar);
    stations.listener.openReceiver();
    heard.open();
    direct.open();
    stations.talker.startTalking();
    run_for(12000);
    stop = true;
    writer.join();
    stations.talker.stopTalking();
    direct.close();
    heard.close();
    stations.listener.closeReceiver();
    pactl({"unload-module", micModule});
    pactl({"unload-module", earModule});

    auto delays = [&clicks](const std::vector<qint64> &onsets) {
        std::vector<double> out;
        for (qint64 c : clicks) {
            const auto it = std::lower_bound(onsets.begin(), onsets.end(), c);
            if (it != onsets.end() && *it - c < 400000000)
                out.push_back((*it - c) / 1e6);
        }
        return out;
    };
    const std::vector<double> capture = delays(atMic.onsets), total = delays(atEar.onsets);
    const double captureP50 = percentile(capture, 0.5);
    if (qEnvironmentVariableIsSet("QUILLET_BENCH_VERBOSE"))
        for (double d : total)
            std::printf("  %.0f ms\n", d);
    std::printf("mouth to ear through the sound server (%zu clicks): p50 %.0f ms, p99 %.0f ms "
                "(the measuring capture's own %.0f ms taken off)\n",
                total.size(), percentile(total, 0.5) - captureP50, percentile(total, 0.99) - captureP50, captureP50);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    codecSpeed();
    takeoverFlood();
    softwareLatency();
    stationCpu();
    mouthToEar();
    return 0;
}

#include "SpeakerOutput.h"

#include "AudioDevices.h"

#include <QAudioSink>
#include <QIODevice>

namespace {
// Left to itself the sound system may buffer seconds; the radio wants a short delay.
constexpr int BufferMilliseconds = 60;

// Hands the sink what the producer has, silence where it has nothing.
class PullDevice : public QIODevice
{
public:
    PullDevice(AudioStage *owner, const StreamFormat &format) : m_owner(owner), m_format(format)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 1 << 20; }

protected:
    qint64 readData(char *data, qint64 maxlen) override
    {
        const qint64 frame = m_format.bytesPerFrame();
        maxlen -= maxlen % frame;
        AudioStage *producer = m_owner->producer();
        const qint64 got = producer && producer->isActive() ? producer->pull(data, maxlen, m_format) : 0;
        if (got < maxlen)
            std::fill(data + got, data + maxlen, 0);
        return maxlen;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    AudioStage *m_owner;
    StreamFormat m_format;
};
} // namespace

SpeakerOutput::SpeakerOutput(QObject *parent) : AudioStage(parent) {}

bool SpeakerOutput::doOpen()
{
    const QAudioDevice dev = audio_devices::find(m_deviceId, false);
    if (dev.isNull())
        return false;
    QAudioFormat format = dev.preferredFormat();
    format.setSampleFormat(QAudioFormat::Int16);
    if (!dev.isFormatSupported(format))
        format = dev.preferredFormat();
    m_format = {format_tag::Pcm, format.sampleRate(), format.channelCount(), 16};
    m_sink = new QAudioSink(dev, format, this);
    m_sink->setBufferSize(format.bytesForDuration(BufferMilliseconds * 1000));
    m_pull = new PullDevice(this, m_format);
    m_pull->setParent(m_sink);
    m_sink->start(m_pull);
    return m_sink->error() == QAudio::NoError;
}

void SpeakerOutput::doClose()
{
    if (m_sink) {
        m_sink->stop();
        delete m_sink; // and the pull device with it
    }
    m_sink = nullptr;
    m_pull = nullptr;
}

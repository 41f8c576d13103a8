#include "MicrophoneInput.h"

#include "AudioDevices.h"

#include <QAudioSource>
#include <QTimer>

namespace {
// Small pieces keep the voice delay short.
constexpr int ChunkMilliseconds = 20;

QAudioFormat toQt(const StreamFormat &f)
{
    QAudioFormat q;
    q.setSampleRate(f.sampleRate);
    q.setChannelCount(f.channels);
    q.setSampleFormat(QAudioFormat::Int16);
    return q;
}
} // namespace

MicrophoneInput::MicrophoneInput(QObject *parent) : AudioStage(parent) {}

bool MicrophoneInput::doOpen()
{
    const QAudioDevice dev = audio_devices::find(m_deviceId, true);
    if (dev.isNull())
        return false;
    QAudioFormat format = toQt(m_format);
    if (!dev.isFormatSupported(format)) {
        format = dev.preferredFormat();
        format.setSampleFormat(QAudioFormat::Int16);
    }
    m_recording = {format_tag::Pcm, format.sampleRate(), format.channelCount(), 16};
    m_source = new QAudioSource(dev, format, this);
    m_source->setBufferSize(format.bytesForDuration(ChunkMilliseconds * 1000));
    m_io = m_source->start();
    if (!m_io) {
        delete m_source;
        m_source = nullptr;
        return false;
    }
    connect(m_io, &QIODevice::readyRead, this, &MicrophoneInput::readAvailable);
    // Off the GUI thread the sound system's readyRead does not always come
    // (Qt 6.4); collecting on a short timer as well costs nothing.
    m_poll = new QTimer(this);
    connect(m_poll, &QTimer::timeout, this, &MicrophoneInput::readAvailable);
    m_poll->start(ChunkMilliseconds / 2);
    return true;
}

void MicrophoneInput::readAvailable()
{
    if (!m_io)
        return;
    const QByteArray data = m_io->readAll();
    if (!data.isEmpty())
        passOn({data, m_recording, 0, 0});
}

void MicrophoneInput::doClose()
{
    delete m_poll;
    m_poll = nullptr;
    if (m_source) {
        m_source->stop();
        delete m_source;
    }
    m_source = nullptr;
    m_io = nullptr;
}

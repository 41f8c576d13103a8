#include "PcmResampler.h"

#include "SpeexResampler.h"

#include <cstring>

PcmResampler::PcmResampler(QObject *parent) : AudioStage(parent) {}

PcmResampler::~PcmResampler() = default;

bool PcmResampler::doOpen()
{
    m_in.clear();
    m_out.clear();
    m_resampler.reset();
    m_inRate = 0;
    return true;
}

void PcmResampler::doClose()
{
    m_in.clear();
    m_out.clear();
}

void PcmResampler::write(const AudioChunk &chunk)
{
    if (chunk.format.formatTag != format_tag::Pcm || chunk.format.bitsPerSample != 16 || chunk.format.channels < 1)
        return;
    if (chunk.format.sampleRate != m_inRate) {
        m_inRate = chunk.format.sampleRate;
        m_resampler.reset();
    }
    const int channels = chunk.format.channels;
    const qint16 *s = reinterpret_cast<const qint16 *>(chunk.data.constData());
    const qsizetype frames = chunk.data.size() / (2 * channels);
    for (qsizetype f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += s[f * channels + c];
        m_in.append(qint16(sum / channels));
    }
    emit dataAvailable(quint32(chunk.data.size()));
}

qint64 PcmResampler::pull(char *data, qint64 maxBytes, const StreamFormat &format)
{
    if (!isActive() || format.bitsPerSample != 16 || format.channels < 1 || m_inRate == 0)
        return 0;
    if (!m_resampler || m_resampler->outRate() != format.sampleRate)
        m_resampler = std::make_unique<SpeexResampler>(m_inRate, format.sampleRate);
    if (!m_in.isEmpty()) {
        m_resampler->process(m_in.constData(), int(m_in.size()), m_out);
        m_in.clear();
    }
    const int channels = format.channels;
    const qint64 frames = qMin<qint64>(maxBytes / (2 * channels), m_out.size());
    qint16 *out = reinterpret_cast<qint16 *>(data);
    for (qint64 f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            out[f * channels + c] = m_out[f];
    m_out.remove(0, frames);
    return frames * channels * 2;
}

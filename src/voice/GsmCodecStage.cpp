#include "GsmCodecStage.h"

#include "GsmCodec.h"
#include "SpeexResampler.h"

#include <cstring>
#include <speex/speex_jitter.h>

namespace {
constexpr int CodecRate = 8000;
// A talker is over after this many blocks without a packet (0.4 s).
constexpr int TalkerTimeoutBlocks = 10;
// The jitter buffer moves its delay in steps of 10 ms rather than whole
// 40 ms blocks, so a quiet LAN costs little delay.
constexpr int DelayStepSamples = 80;
} // namespace

GsmCodecStage::GsmCodecStage(Mode mode, QObject *parent) : AudioStage(parent), m_mode(mode) {}

GsmCodecStage::~GsmCodecStage()
{
    if (m_jitter)
        jitter_buffer_destroy(m_jitter);
}

bool GsmCodecStage::doOpen()
{
    m_gsm = std::make_unique<GsmCodec>();
    m_inResampler.reset();
    m_outResampler.reset();
    m_frame.clear();
    m_out.clear();
    m_talking = false;
    m_decoded = m_concealed = 0;
    if (m_mode == Decode) {
        if (!m_jitter)
            m_jitter = jitter_buffer_init(DelayStepSamples);
        jitter_buffer_reset(m_jitter);
    }
    return true;
}

void GsmCodecStage::doClose()
{
    m_gsm.reset();
    if (m_jitter)
        jitter_buffer_reset(m_jitter);
}

void GsmCodecStage::write(const AudioChunk &chunk)
{
    if (m_mode == Encode) {
        encode(chunk);
        return;
    }
    if (chunk.format.formatTag != format_tag::Gsm610 || chunk.data.size() % GsmCodec::BlockBytes != 0)
        return;
    if (!m_talking || chunk.stream != m_stream) {
        // A new talker: forget what the last one left behind.
        jitter_buffer_reset(m_jitter);
        m_stream = chunk.stream;
        m_talking = true;
        m_timestamp = 0;
        m_out.clear();
    }
    m_silentBlocks = 0;
    const int blocks = int(chunk.data.size() / GsmCodec::BlockBytes);
    for (int i = 0; i < blocks; ++i) {
        QByteArray block = chunk.data.mid(i * GsmCodec::BlockBytes, GsmCodec::BlockBytes);
        JitterBufferPacket packet{};
        packet.data = block.data();
        packet.len = spx_uint32_t(block.size());
        packet.timestamp = spx_uint32_t((chunk.sequence + quint32(i)) * GsmCodec::BlockSamples);
        packet.span = GsmCodec::BlockSamples;
        packet.sequence = chunk.sequence + quint32(i);
        jitter_buffer_put(m_jitter, &packet); // copies the data
        // Voice is arriving: said per block as it comes, so the indicator
        // works even where no sound card plays it.
        emit dataAvailable(GsmCodec::BlockBytes);
    }
}

void GsmCodecStage::encode(const AudioChunk &chunk)
{
    if (chunk.format.formatTag != format_tag::Pcm || chunk.format.bitsPerSample != 16 || chunk.format.channels < 1)
        return;
    if (!m_inResampler || m_inResampler->inRate() != chunk.format.sampleRate)
        m_inResampler = std::make_unique<SpeexResampler>(chunk.format.sampleRate, CodecRate, 3);
    const int channels = chunk.format.channels;
    const int frames = int(chunk.data.size() / (2 * channels));
    const qint16 *in = reinterpret_cast<const qint16 *>(chunk.data.constData());
    QVector<qint16> mono(frames);
    for (int f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += in[f * channels + c];
        mono[f] = qint16(sum / channels);
    }
    m_inResampler->process(mono.constData(), frames, m_frame);
    const StreamFormat gsm{format_tag::Gsm610, CodecRate, 1, 0};
    qsizetype used = 0;
    while (m_frame.size() - used >= GsmCodec::BlockSamples) {
        passOn({m_gsm->encode(m_frame.constData() + used), gsm, 0, 0});
        emit dataAvailable(GsmCodec::BlockBytes);
        used += GsmCodec::BlockSamples;
    }
    m_frame.remove(0, used);
}

void GsmCodecStage::nextDecodedBlock(QVector<qint16> &samples)
{
    if (!m_talking)
        return;
    char buffer[GsmCodec::BlockBytes * 2];
    JitterBufferPacket packet{};
    packet.data = buffer;
    packet.len = sizeof buffer;
    spx_int32_t offset = 0;
    const int result = jitter_buffer_get(m_jitter, &packet, GsmCodec::BlockSamples, &offset);
    jitter_buffer_tick(m_jitter);
    samples.resize(GsmCodec::BlockSamples);
    if (result == JITTER_BUFFER_OK && packet.len == GsmCodec::BlockBytes) {
        m_gsm->decode(QByteArray(buffer, GsmCodec::BlockBytes), samples.data());
        ++m_decoded;
        m_silentBlocks = 0;
        return;
    }
    // Late or lost: conceal with silence; after a while the talker is gone.
    std::fill(samples.begin(), samples.end(), 0);
    ++m_concealed;
    if (++m_silentBlocks >= TalkerTimeoutBlocks)
        m_talking = false;
}

qint64 GsmCodecStage::pull(char *data, qint64 maxBytes, const StreamFormat &format)
{
    if (m_mode != Decode || !isActive() || format.bitsPerSample != 16 || format.channels < 1)
        return 0;
    if (!m_outResampler || m_outResampler->outRate() != format.sampleRate)
        m_outResampler = std::make_unique<SpeexResampler>(CodecRate, format.sampleRate, 3);
    const int channels = format.channels;
    const qint64 frames = maxBytes / (2 * channels);
    QVector<qint16> block;
    while (m_out.size() < frames && m_talking) {
        nextDecodedBlock(block);
        m_outResampler->process(block.constData(), int(block.size()), m_out);
    }
    const qint64 take = qMin<qint64>(frames, m_out.size());
    qint16 *out = reinterpret_cast<qint16 *>(data);
    for (qint64 f = 0; f < take; ++f)
        for (int c = 0; c < channels; ++c)
            out[f * channels + c] = m_out[f];
    // Whatever is missing is silence.
    std::memset(out + take * channels, 0, size_t((frames - take) * channels * 2));
    m_out.remove(0, take);
    return frames * channels * 2;
}

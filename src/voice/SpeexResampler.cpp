#include "SpeexResampler.h"

#include <speex/speex_resampler.h>

SpeexResampler::SpeexResampler(int inRate, int outRate, int quality) : m_in(inRate), m_out(outRate)
{
    if (inRate != outRate) {
        int error = 0;
        m_state = speex_resampler_init(1, spx_uint32_t(inRate), spx_uint32_t(outRate), quality, &error);
        if (m_state)
            speex_resampler_skip_zeros(m_state); // no leading delay of zeros
    }
}

SpeexResampler::~SpeexResampler()
{
    if (m_state)
        speex_resampler_destroy(m_state);
}

void SpeexResampler::process(const qint16 *input, int count, QVector<qint16> &out)
{
    if (!m_state) {
        out.append(QVector<qint16>(input, input + count));
        return;
    }
    const qsizetype at = out.size();
    spx_uint32_t inLen = spx_uint32_t(count);
    spx_uint32_t outLen = spx_uint32_t(qint64(count) * m_out / m_in + 16);
    out.resize(at + outLen);
    speex_resampler_process_int(m_state, 0, input, &inLen, out.data() + at, &outLen);
    out.resize(at + outLen);
}

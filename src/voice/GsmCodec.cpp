#include "GsmCodec.h"

extern "C" {
#include <gsm.h>
}

namespace {
gsm_state *makeWav49()
{
    gsm g = gsm_create();
    int one = 1;
    gsm_option(g, GSM_OPT_WAV49, &one);
    return g;
}
} // namespace

GsmCodec::GsmCodec() : m_encoder(makeWav49()), m_decoder(makeWav49()) {}

GsmCodec::~GsmCodec()
{
    gsm_destroy(m_encoder);
    gsm_destroy(m_decoder);
}

QByteArray GsmCodec::encode(const qint16 *samples)
{
    QByteArray block(BlockBytes, '\0');
    gsm_byte *out = reinterpret_cast<gsm_byte *>(block.data());
    // In WAV49 framing the first frame of a pair takes 32 bytes, the second 33.
    gsm_encode(m_encoder, const_cast<gsm_signal *>(samples), out);
    gsm_encode(m_encoder, const_cast<gsm_signal *>(samples + 160), out + 32);
    return block;
}

void GsmCodec::decode(const QByteArray &block, qint16 *samples)
{
    QByteArray copy = block.left(BlockBytes);
    copy.resize(BlockBytes, '\0');
    gsm_byte *in = reinterpret_cast<gsm_byte *>(copy.data());
    // The decoder reads the pair as 33 bytes, then 32.
    gsm_decode(m_decoder, in, samples);
    gsm_decode(m_decoder, in + 33, samples + 160);
}

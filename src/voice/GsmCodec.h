#pragma once

#include <QByteArray>
#include <QVector>

struct gsm_state;

// GSM 6.10 in the WAV49 framing (wave format tag 49): each 65-byte block
// holds two frames, 320 samples of 16-bit mono audio at 8000 Hz.
class GsmCodec
{
public:
    static constexpr int BlockBytes = 65;
    static constexpr int BlockSamples = 320;

    GsmCodec();
    ~GsmCodec();
    GsmCodec(const GsmCodec &) = delete;
    GsmCodec &operator=(const GsmCodec &) = delete;

    // samples: exactly BlockSamples.
    QByteArray encode(const qint16 *samples);
    // block: exactly BlockBytes; any bytes decode to some audio.
    void decode(const QByteArray &block, qint16 *samples);

private:
    gsm_state *m_encoder;
    gsm_state *m_decoder;
};

#pragma once

#include <QVector>

struct SpeexResamplerState_;

// Mono 16-bit resampling with speexdsp.
class SpeexResampler
{
public:
    SpeexResampler(int inRate, int outRate, int quality = 5);
    ~SpeexResampler();
    SpeexResampler(const SpeexResampler &) = delete;
    SpeexResampler &operator=(const SpeexResampler &) = delete;

    int inRate() const { return m_in; }
    int outRate() const { return m_out; }
    // Appends the resampled input to out.
    void process(const qint16 *input, int count, QVector<qint16> &out);

private:
    SpeexResamplerState_ *m_state = nullptr;
    int m_in;
    int m_out;
};

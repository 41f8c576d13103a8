#pragma once

#include <QVector>
#include <cmath>

// Amplitude (0 to 32767) of the frequency component of samples, by the
// Goertzel algorithm: a tone's own frequency stands far above its neighbours.
inline double tone_amplitude(const QVector<short> &samples, int rate, double frequency)
{
    if (samples.isEmpty())
        return 0;
    const double w = 2 * M_PI * frequency / rate;
    const double c = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (short x : samples) {
        const double s0 = x + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - c * s1 * s2;
    return 2 * std::sqrt(std::max(power, 0.0)) / samples.size();
}

inline double rms(const QVector<short> &samples)
{
    double sum = 0;
    for (short x : samples)
        sum += double(x) * x;
    return samples.isEmpty() ? 0 : std::sqrt(sum / samples.size());
}

// True when samples carry a clear tone at frequency: strong, and well above
// what lies beside it.
inline bool has_tone(const QVector<short> &samples, int rate, double frequency, double minAmplitude = 1000)
{
    const double at = tone_amplitude(samples, rate, frequency);
    return at >= minAmplitude && at > 4 * tone_amplitude(samples, rate, frequency * 0.7)
           && at > 4 * tone_amplitude(samples, rate, frequency * 1.45);
}

#pragma once

#include "voice/AudioStage.h"

#include <QMutex>
#include <QVector>

// The end of a chain in a test: keeps the PCM it is fed (first channel).
class PcmCapture : public AudioStage
{
public:
    QVector<short> samples() const
    {
        QMutexLocker lock(&m_mutex);
        return m_samples;
    }
    int rate() const { return m_rate; }
    void write(const AudioChunk &chunk) override
    {
        QMutexLocker lock(&m_mutex);
        m_rate = chunk.format.sampleRate;
        const short *s = reinterpret_cast<const short *>(chunk.data.constData());
        const int channels = chunk.format.channels;
        for (qsizetype i = 0; i + channels <= chunk.data.size() / 2; i += channels)
            m_samples.append(s[i]);
    }

protected:
    bool doOpen() override { return true; }
    void doClose() override {}

private:
    mutable QMutex m_mutex;
    QVector<short> m_samples;
    int m_rate = 0;
};

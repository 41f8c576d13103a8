#pragma once

#include <QVector>
#include <memory>

#include "AudioStage.h"

class SpeexResampler;

// Takes PCM pushed at any rate and channel count, mixes it to mono, and
// hands it to the output stage that pulls, at the rate the output plays.
class PcmResampler : public AudioStage
{
    Q_OBJECT
public:
    explicit PcmResampler(QObject *parent = nullptr);
    ~PcmResampler() override;

    void write(const AudioChunk &chunk) override;
    qint64 pull(char *data, qint64 maxBytes, const StreamFormat &format) override;

protected:
    bool doOpen() override;
    void doClose() override;

private:
    int m_inRate = 0;
    QVector<qint16> m_in; // mono, at m_inRate
    std::unique_ptr<SpeexResampler> m_resampler;
    QVector<qint16> m_out;
};

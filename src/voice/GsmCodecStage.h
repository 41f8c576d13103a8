#pragma once

#include <QVector>
#include <memory>

#include "AudioStage.h"

class GsmCodec;
class SpeexResampler;
struct JitterBuffer_;

// The codec stage. As an encoder it takes PCM of any rate and channel
// count, mixes it to mono, resamples it to the codec's 8000 Hz and passes
// on whole codec blocks. As a decoder it keeps arriving blocks in a jitter
// buffer (which absorbs network jitter and reordering, and starts afresh
// when a new talker begins) and hands out decoded, resampled PCM when the
// output device pulls, at the device's own pace.
class GsmCodecStage : public AudioStage
{
    Q_OBJECT
public:
    enum Mode { Encode, Decode };

    explicit GsmCodecStage(Mode mode, QObject *parent = nullptr);
    ~GsmCodecStage() override;

    Mode mode() const { return m_mode; }
    // The codec's wave format tag; only GSM 6.10 (49) is built in.
    int formatTag() const { return m_formatTag; }
    void setFormatTag(int tag) { m_formatTag = tag; }
    // "ACM" (0): the built-in codecs. Plug-in libraries (1) are not available.
    int driverMode() const { return m_driverMode; }
    void setDriverMode(int mode) { m_driverMode = mode; }

    void write(const AudioChunk &chunk) override;
    qint64 pull(char *data, qint64 maxBytes, const StreamFormat &format) override;

    // Blocks decoded since opening, and blocks the jitter buffer had to conceal.
    quint64 blocksDecoded() const { return m_decoded; }
    quint64 blocksConcealed() const { return m_concealed; }

protected:
    bool doOpen() override;
    void doClose() override;

private:
    void encode(const AudioChunk &chunk);
    void nextDecodedBlock(QVector<qint16> &samples);

    Mode m_mode;
    int m_formatTag = 49;
    int m_driverMode = 0;
    std::unique_ptr<GsmCodec> m_gsm;

    // Encoder state.
    std::unique_ptr<SpeexResampler> m_inResampler;
    QVector<qint16> m_frame; // 8000 Hz samples waiting for a whole block

    // Decoder state.
    JitterBuffer_ *m_jitter = nullptr;
    bool m_talking = false;
    quint16 m_stream = 0;
    int m_silentBlocks = 0;
    qint32 m_timestamp = 0;
    std::unique_ptr<SpeexResampler> m_outResampler;
    QVector<qint16> m_out; // decoded PCM at the output rate, mono
    quint64 m_decoded = 0;
    quint64 m_concealed = 0;
};

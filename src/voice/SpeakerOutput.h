#pragma once

#include "AudioStage.h"

class QAudioSink;
class QIODevice;

// The playback device: pulls 16-bit PCM from the stage that feeds it at the
// pace of the sound card, keeping a short buffer.
class SpeakerOutput : public AudioStage
{
    Q_OBJECT
public:
    explicit SpeakerOutput(QObject *parent = nullptr);

    int deviceId() const { return m_deviceId; }
    void setDeviceId(int id) { m_deviceId = id; }
    // The format the device plays, once open.
    StreamFormat playingFormat() const { return m_format; }

protected:
    bool doOpen() override;
    void doClose() override;

private:
    int m_deviceId = -1;
    StreamFormat m_format;
    QAudioSink *m_sink = nullptr;
    QIODevice *m_pull = nullptr;
};

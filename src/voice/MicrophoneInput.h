#pragma once

#include "AudioStage.h"

class QAudioSource;
class QIODevice;
class QTimer;

// The recording device: passes on 16-bit PCM as the sound system delivers
// it, in small pieces.
class MicrophoneInput : public AudioStage
{
    Q_OBJECT
public:
    explicit MicrophoneInput(QObject *parent = nullptr);

    // -1: the system's default device; n: the n-th recording device.
    int deviceId() const { return m_deviceId; }
    void setDeviceId(int id) { m_deviceId = id; }
    // Requested PCM format; a device that cannot record it records its own.
    StreamFormat pcmFormat() const { return m_format; }
    void setPcmFormat(const StreamFormat &format) { m_format = format; }
    int silenceDetectionMode() const { return m_sdMode; }
    void setSilenceDetectionMode(int mode) { m_sdMode = mode; }

protected:
    bool doOpen() override;
    void doClose() override;

private:
    void readAvailable();

    int m_deviceId = -1;
    int m_sdMode = 0;
    StreamFormat m_format{format_tag::Pcm, 11025, 1, 16};
    StreamFormat m_recording;
    QAudioSource *m_source = nullptr;
    QIODevice *m_io = nullptr;
    QTimer *m_poll = nullptr;
};

#pragma once

#include <QElapsedTimer>

#include "AudioStage.h"

class QTimer;
struct sf_private_tag;

// Reads a WAV file (any encoding the sound file library decodes: PCM of
// 8 to 32 bits, float, A-law, µ-law, IMA ADPCM, GSM 6.10) and passes it on
// as 16-bit PCM in its own rate and channels, paced in real time. At the end
// of the file it closes itself and what it feeds.
class WavFileSource : public AudioStage
{
    Q_OBJECT
public:
    explicit WavFileSource(QObject *parent = nullptr);
    ~WavFileSource() override;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }
    // The stream's format, once open.
    StreamFormat format() const { return m_format; }
    // Why the last opening failed.
    QString error() const { return m_error; }

protected:
    bool doOpen() override;
    void doClose() override;

private:
    void tick();

    QString m_fileName;
    QString m_error;
    StreamFormat m_format;
    sf_private_tag *m_file = nullptr;
    QTimer *m_timer = nullptr;
    QElapsedTimer m_clock;
    qint64 m_framesSent = 0;
};

#pragma once

#include <QElapsedTimer>

#include "AudioStage.h"

class QTimer;
struct sf_private_tag;

// An output stage that records instead of playing: it pulls from the stage
// that feeds it at the pace of the clock and writes 16-bit PCM to a WAV file.
class WavFileSink : public AudioStage
{
    Q_OBJECT
public:
    explicit WavFileSink(QObject *parent = nullptr);
    ~WavFileSink() override;

    void setFileName(const QString &name) { m_fileName = name; }
    void setFormat(const StreamFormat &format) { m_format = format; }

protected:
    bool doOpen() override;
    void doClose() override;

private:
    void tick();

    QString m_fileName;
    StreamFormat m_format{format_tag::Pcm, 16000, 1, 16};
    sf_private_tag *m_file = nullptr;
    QTimer *m_timer = nullptr;
    QElapsedTimer m_clock;
    qint64 m_framesWritten = 0;
};

#pragma once

#include <QObject>
#include <atomic>
#include <functional>

#include "AudioChunk.h"

// One stage of an audio chain (device, codec, network stream). A stage
// feeds the one linked after it: opening a stage opens what it feeds too,
// closing it closes them. Stages live on the audio thread; open() and
// close() may be called from any thread and wait for the stage.
class AudioStage : public QObject
{
    Q_OBJECT
public:
    explicit AudioStage(QObject *parent = nullptr);

    // Links the stage this one feeds (null: none).
    void setConsumer(AudioStage *consumer);
    AudioStage *consumer() const { return m_consumer; }
    AudioStage *producer() const { return m_producer; }

    // True when this stage runs (whatever became of the stages after it).
    bool open();
    void close();
    bool isActive() const { return m_active.load(); }

    // Data pushed by the producer; on the audio thread.
    virtual void write(const AudioChunk &chunk);
    // Output stages pull PCM of format from their producer; on the audio
    // thread. Returns the bytes written to data (the rest is silence).
    virtual qint64 pull(char *data, qint64 maxBytes, const StreamFormat &format);

signals:
    // A block of data went on to the next stage.
    void dataAvailable(quint32 length);

protected:
    virtual bool doOpen() = 0;
    virtual void doClose() = 0;
    void passOn(const AudioChunk &chunk);
    // Runs f on the stage's thread and waits for it.
    void onOwnThread(const std::function<void()> &f);

private:
    AudioStage *m_consumer = nullptr;
    AudioStage *m_producer = nullptr;
    std::atomic<bool> m_active{false};
};

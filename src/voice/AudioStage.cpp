#include "AudioStage.h"

#include <QThread>

AudioStage::AudioStage(QObject *parent) : QObject(parent) {}

void AudioStage::setConsumer(AudioStage *consumer)
{
    // Links change on the stages' own thread, never while data passes.
    onOwnThread([this, consumer] {
        if (m_consumer == consumer)
            return;
        if (m_consumer && m_consumer->m_producer == this)
            m_consumer->m_producer = nullptr;
        m_consumer = consumer;
        if (consumer)
            consumer->m_producer = this;
    });
}

void AudioStage::onOwnThread(const std::function<void()> &f)
{
    if (QThread::currentThread() == thread())
        f();
    else
        QMetaObject::invokeMethod(this, f, Qt::BlockingQueuedConnection);
}

bool AudioStage::open()
{
    // What this stage feeds is ready before its first data comes. A stage
    // after it that cannot start (no sound card) does not keep this one from
    // running: packets are still received and counted.
    if (m_consumer && !m_consumer->isActive())
        m_consumer->open();
    bool ok = true;
    onOwnThread([this, &ok] {
        if (!m_active)
            ok = doOpen();
        m_active = ok;
    });
    // A stage that cannot start leaves nothing running behind it.
    if (!ok && m_consumer)
        m_consumer->close();
    return ok;
}

void AudioStage::close()
{
    onOwnThread([this] {
        if (m_active) {
            m_active = false;
            doClose();
        }
    });
    if (m_consumer)
        m_consumer->close();
}

void AudioStage::write(const AudioChunk &) {}

qint64 AudioStage::pull(char *, qint64, const StreamFormat &)
{
    return 0;
}

void AudioStage::passOn(const AudioChunk &chunk)
{
    if (m_consumer && m_consumer->isActive())
        m_consumer->write(chunk);
}

#include "WavFileSink.h"

#include <QFile>
#include <QTimer>
#include <QVector>
#include <sndfile.h>

WavFileSink::WavFileSink(QObject *parent) : AudioStage(parent) {}

WavFileSink::~WavFileSink()
{
    if (m_file)
        sf_close(m_file);
}

bool WavFileSink::doOpen()
{
    SF_INFO info{};
    info.samplerate = m_format.sampleRate;
    info.channels = m_format.channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    m_file = sf_open(QFile::encodeName(m_fileName).constData(), SFM_WRITE, &info);
    if (!m_file)
        return false;
    m_framesWritten = 0;
    m_clock.start();
    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &WavFileSink::tick);
    m_timer->start(20);
    return true;
}

void WavFileSink::doClose()
{
    delete m_timer;
    m_timer = nullptr;
    if (m_file)
        sf_close(m_file);
    m_file = nullptr;
}

void WavFileSink::tick()
{
    const qint64 due = m_clock.elapsed() * m_format.sampleRate / 1000 - m_framesWritten;
    if (due <= 0 || !m_file)
        return;
    QVector<short> samples(due * m_format.channels, 0);
    AudioStage *source = producer();
    if (source && source->isActive())
        source->pull(reinterpret_cast<char *>(samples.data()), due * m_format.bytesPerFrame(), m_format);
    sf_writef_short(m_file, samples.constData(), due);
    m_framesWritten += due;
}

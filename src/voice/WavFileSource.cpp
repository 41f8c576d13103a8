#include "WavFileSource.h"

#include <QFile>
#include <QTimer>
#include <QVector>
#include <sndfile.h>

namespace {
constexpr int TickMilliseconds = 20;
// Sent ahead of the clock, so the stage after never waits on a late tick.
constexpr int LeadMilliseconds = 40;
} // namespace

WavFileSource::WavFileSource(QObject *parent) : AudioStage(parent) {}

WavFileSource::~WavFileSource()
{
    if (m_file)
        sf_close(m_file);
}

bool WavFileSource::doOpen()
{
    SF_INFO info{};
    m_error.clear();
    m_file = sf_open(QFile::encodeName(m_fileName).constData(), SFM_READ, &info);
    if (!m_file) {
        m_error = QString::fromLocal8Bit(sf_strerror(nullptr));
        return false;
    }
    if (info.channels < 1 || info.channels > 8 || info.samplerate < 1000 || info.samplerate > 192000) {
        m_error = QStringLiteral("%1 channels at %2 Hz cannot be played.").arg(info.channels).arg(info.samplerate);
        sf_close(m_file);
        m_file = nullptr;
        return false;
    }
    // Floating-point files hold -1..1: read them scaled to the 16-bit range.
    sf_command(m_file, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
    m_format = {format_tag::Pcm, info.samplerate, info.channels, 16};
    m_framesSent = 0;
    m_clock.start();
    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &WavFileSource::tick);
    m_timer->start(TickMilliseconds);
    tick();
    return true;
}

void WavFileSource::doClose()
{
    delete m_timer;
    m_timer = nullptr;
    if (m_file)
        sf_close(m_file);
    m_file = nullptr;
}

void WavFileSource::tick()
{
    if (!m_file)
        return;
    const qint64 due = (m_clock.elapsed() + LeadMilliseconds) * m_format.sampleRate / 1000 - m_framesSent;
    if (due <= 0)
        return;
    QVector<short> samples(due * m_format.channels);
    const sf_count_t got = sf_readf_short(m_file, samples.data(), due);
    if (got > 0) {
        m_framesSent += got;
        passOn({QByteArray(reinterpret_cast<const char *>(samples.constData()), int(got * m_format.channels * 2)),
                m_format, 0, 0});
    }
    if (got < due)
        close(); // the end of the file, or a file that cannot be decoded further
}

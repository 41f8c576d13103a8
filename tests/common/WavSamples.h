#pragma once

#include <QFile>
#include <QVector>
#include <sndfile.h>

// The samples of a WAV file as 16-bit mono (the first channel), and its rate.
inline QVector<short> read_wav(const QString &path, int *rate = nullptr)
{
    SF_INFO info{};
    SNDFILE *f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!f)
        return {};
    QVector<short> all(info.frames * info.channels);
    sf_readf_short(f, all.data(), info.frames);
    sf_close(f);
    QVector<short> mono(info.frames);
    for (sf_count_t i = 0; i < info.frames; ++i)
        mono[i] = all[i * info.channels];
    if (rate)
        *rate = info.samplerate;
    return mono;
}

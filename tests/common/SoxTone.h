#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Makes a WAV file with sox: seconds of a sine tone, in the encoding the
// extra arguments ask for (e.g. "-e", "a-law"). False when sox is missing.
inline bool make_tone_wav(const QString &path, double frequency, double seconds, int rate = 22050,
                          const QStringList &encoding = {})
{
    QStringList args{QStringLiteral("-n"), QStringLiteral("-r"), QString::number(rate), QStringLiteral("-c"),
                     QStringLiteral("1")};
    args += encoding;
    args += {path,
             QStringLiteral("synth"),
             QString::number(seconds),
             QStringLiteral("sine"),
             QString::number(frequency),
             QStringLiteral("vol"),
             QStringLiteral("0.5")};
    QProcess sox;
    sox.start(QStringLiteral("sox"), args);
    return sox.waitForFinished(10000) && sox.exitStatus() == QProcess::NormalExit && sox.exitCode() == 0;
}

#pragma once

#include <QProcess>
#include <QVector>

// Records what a sink of the test's sound server plays, from its monitor,
// as 16-bit mono at 16000 Hz.
class MonitorRecorder
{
public:
    static constexpr int Rate = 16000;

    explicit MonitorRecorder(const QString &sink) : m_sink(sink) {}
    ~MonitorRecorder() { stop(); }

    bool start()
    {
        m_process.start(QStringLiteral("parecord"),
                        {QStringLiteral("--device=%1.monitor").arg(m_sink), QStringLiteral("--raw"),
                         QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(Rate),
                         QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
        return m_process.waitForStarted(5000);
    }
    // Samples recorded so far.
    QVector<short> samples()
    {
        m_data += m_process.readAllStandardOutput();
        return QVector<short>(reinterpret_cast<const short *>(m_data.constData()),
                              reinterpret_cast<const short *>(m_data.constData()) + m_data.size() / 2);
    }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_data += m_process.readAllStandardOutput();
        m_process.terminate();
        m_process.waitForFinished(3000);
        m_data += m_process.readAllStandardOutput();
    }

private:
    QString m_sink;
    QProcess m_process;
    QByteArray m_data;
};

#pragma once

#include "core/env/StationEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Puts what the program ships beside a station in folder: the channel table
// and the folder of recorded messages (empty unless messages are wanted).
inline void install_station_files(const QString &folder, bool messages = false)
{
    QFile::copy(QStringLiteral(QUILLET_SOURCE_DIR "/resources/channels.ini"), folder + QStringLiteral("/channels.ini"));
    const QDir source(QStringLiteral(QUILLET_SOURCE_DIR "/resources/example"));
    QDir(folder).mkdir(QStringLiteral("example"));
    if (messages)
        for (const QString &name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), folder + QStringLiteral("/example/") + name);
}

// A station folder with its own quillet.ini and the channel table, and an
// environment whose program folder it is, for tests that build stations.
class StationFolder
{
public:
    explicit StationFolder(const QByteArray &ini = "[radio]\nmmsi=274111001\ngroup=027411101\n", bool messages = false)
    {
        // Started from its own folder, as from a desktop launcher.
        m_environment.setProgramFolder(m_dir.path());
        m_environment.setStartFolder(m_dir.path());
        install_station_files(m_dir.path(), messages);
        write(ini);
    }
    void write(const QByteArray &ini)
    {
        QFile f(m_dir.filePath("quillet.ini"));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(ini);
    }
    QString path() const { return m_dir.path(); }
    // Changes apply to stations made after them.
    StationEnvironment &environment() { return m_environment; }

private:
    QTemporaryDir m_dir;
    StationEnvironment m_environment;
};

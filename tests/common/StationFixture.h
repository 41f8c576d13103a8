#pragma once

#include "shell/globals.h"

#include <QFile>
#include <QTemporaryDir>

// Puts the channel table the program ships beside a station in folder.
inline void install_channel_table(const QString &folder)
{
    QFile::copy(QStringLiteral(QUILLET_SOURCE_DIR "/resources/channels.ini"), folder + QStringLiteral("/channels.ini"));
}

// A station folder with its own quillet.ini and the channel table, for tests
// that build real windows.
class StationFolder
{
public:
    explicit StationFolder(const QByteArray &ini = "[radio]\nmmsi=274111001\ngroup=027411101\n")
    {
        set_program_folder(m_dir.path());
        install_channel_table(m_dir.path());
        write(ini);
    }
    void write(const QByteArray &ini)
    {
        QFile f(m_dir.filePath("quillet.ini"));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(ini);
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

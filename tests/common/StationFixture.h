#pragma once

#include "shell/globals.h"

#include <QFile>
#include <QTemporaryDir>

// A station folder with its own quillet.ini, for tests that build real windows.
class StationFolder
{
public:
    explicit StationFolder(const QByteArray &ini = "[radio]\nmmsi=274111001\ngroup=027411101\n")
    {
        set_program_folder(m_dir.path());
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

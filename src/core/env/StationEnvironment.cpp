#include "StationEnvironment.h"

#include "core/radio/ChannelTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString folderText(const QString &folder)
{
    return QDir(folder).absolutePath() + u'/';
}
} // namespace

StationEnvironment::StationEnvironment()
    : m_generator(quint32(QDateTime::currentMSecsSinceEpoch())),
      m_programFolder(folderText(QCoreApplication::applicationDirPath())),
      m_startFolder(folderText(QDir::currentPath()))
{}

QDateTime StationEnvironment::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

int StationEnvironment::below(int below)
{
    if (below <= 1)
        return 0;
    if (m_draw)
        return m_draw(below);
    return std::uniform_int_distribution<int>(0, below - 1)(m_generator);
}

namespace {
// The files shipped with an installed program.
QStringList installedDataFolders(const QString &programFolder)
{
    QStringList folders{QDir::cleanPath(programFolder + QStringLiteral("../share/quillet")) + u'/'};
    for (const QString &f : QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("quillet"),
                                                      QStandardPaths::LocateDirectory))
        if (!folders.contains(f + u'/'))
            folders << f + u'/';
    return folders;
}
} // namespace

bool StationEnvironment::isInstalled() const
{
    return !QFileInfo::exists(m_programFolder + ChannelTable::resourceName())
           && QFileInfo::exists(installedDataFolders(m_programFolder).first() + ChannelTable::resourceName());
}

QString StationEnvironment::settingsFolder() const
{
    if (!isInstalled())
        return m_programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/quillet/");
}

QStringList StationEnvironment::channelTableFolders() const
{
    QStringList folders{m_startFolder, m_programFolder};
    if (isInstalled())
        folders += installedDataFolders(m_programFolder);
    return folders;
}

QString StationEnvironment::messageFolder() const
{
    if (!isInstalled())
        return m_programFolder + QStringLiteral("example");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quillet/example");
}

void StationEnvironment::prepareUserFolders() const
{
    if (!isInstalled())
        return;
    QDir().mkpath(settingsFolder());
    const QString messages = messageFolder();
    QDir().mkpath(messages);
    for (const QString &data : installedDataFolders(m_programFolder)) {
        const QDir shipped(data + QStringLiteral("example"));
        for (const QString &name : shipped.entryList({QStringLiteral("*.wav")}, QDir::Files))
            if (!QFileInfo::exists(messages + u'/' + name))
                QFile::copy(shipped.filePath(name), messages + u'/' + name);
        if (shipped.exists())
            break;
    }
}

void StationEnvironment::setProgramFolder(const QString &folder)
{
    m_programFolder = folderText(folder);
}

void StationEnvironment::setStartFolder(const QString &folder)
{
    m_startFolder = folderText(folder);
}

#include "StationEnvironment.h"

#include <QCoreApplication>
#include <QDir>

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

void StationEnvironment::setProgramFolder(const QString &folder)
{
    m_programFolder = folderText(folder);
}

void StationEnvironment::setStartFolder(const QString &folder)
{
    m_startFolder = folderText(folder);
}

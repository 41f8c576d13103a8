#include "ChannelTable.h"

#include "core/Logging.h"
#include "core/config/IniFile.h"

#include <QFileInfo>
#include <QtGlobal>
#include <cerrno>
#include <cstring>

ChannelTable::ChannelTable()
{
    for (int i = 1; i <= Rows; ++i)
        m_rows[i].rxPortOffset = m_rows[i].txPortOffset = i;
}

ChannelTable ChannelTable::load(const QStringList &folders, QStringList *notices)
{
    ChannelTable table;
    QString path;
    for (const QString &folder : folders) {
        if (QFileInfo(folder + resourceName()).isFile()) {
            path = folder + resourceName();
            break;
        }
    }
    if (path.isEmpty()) {
        qCInfo(lcConfig) << "no channel table in" << folders;
        *notices << QStringLiteral("Load %1 failed!\r\n").arg(resourceName())
                        + QString::fromLocal8Bit(std::strerror(ENOENT))
                 << QStringLiteral("Please check installation path.");
        return table;
    }
    const IniFile resource(path);
    if (!resource.whyNotRead().isEmpty())
        *notices << resource.whyNotRead();
    const QString section = QStringLiteral("channels");
    // A string is read into a buffer of 255 characters, then cut to its field.
    auto text = [&](int id) { return resource.readString(section, QString::number(id), QString()).left(255); };
    auto offset = [&](int id, int row) {
        int value = row;
        const QString t = text(id);
        return t.isEmpty() || !IniFile::parseInteger(t, &value) ? row : value;
    };
    for (int i = 1; i <= Rows; ++i) {
        ChannelEntry &e = table.m_rows[i];
        e.channel = text(i);
        e.frequency = text(i + 100);
        e.mode = text(i + 200);
        e.power = text(i + 300);
        e.use = text(i + 400);
        e.rxPortOffset = offset(i + 1000, i);
        e.txPortOffset = offset(i + 1100, i);
    }
    return table;
}

const ChannelEntry &ChannelTable::row(int row) const
{
    return m_rows[qBound(1, row, Rows)];
}

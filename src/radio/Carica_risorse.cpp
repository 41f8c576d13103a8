#include "Carica_risorse.h"

#include "platform/IniFile.h"
#include "platform/Modal.h"
#include "shell/globals.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

QString channel_resource_name()
{
    return QStringLiteral("channels.ini");
}

void load_channel_table(ChannelTable &table)
{
    QString path = QDir::current().filePath(channel_resource_name());
    if (!QFileInfo(path).isFile())
        path = program_folder() + channel_resource_name();
    const bool found = QFileInfo(path).isFile();
    if (!found) {
        modal::show_message(QStringLiteral("Load %1 failed!\r\n").arg(channel_resource_name())
                            + QString::fromLocal8Bit(std::strerror(ENOENT)));
        modal::show_message(QStringLiteral("Please check installation path."));
    }
    const IniFile resource(found ? path : QString());
    const QString section = QStringLiteral("channels");
    // A string is read into a buffer of 255 characters, then cut to its field.
    auto text = [&](int id) {
        return found ? resource.readString(section, QString::number(id), QString()).left(255) : QString();
    };
    auto offset = [&](int id, int row) {
        int value = row;
        const QString t = text(id);
        return t.isEmpty() || !IniFile::parseInteger(t, &value) ? row : value;
    };
    for (int i = 1; i <= ChannelRows; ++i) {
        channel_entry &e = table[i];
        e.channel = text(i);
        e.block100_text = text(i + 100);
        e.mode = text(i + 200);
        e.block300_text = text(i + 300);
        e.block400_text = text(i + 400);
        e.rx_port_offset = offset(i + 1000, i);
        e.tx_port_offset = offset(i + 1100, i);
    }
}

void load_channel_table()
{
    load_channel_table(channel_table);
}

#include "globals.h"

#include <QCoreApplication>
#include <QDir>

ShortText<9> station_mmsi;
ShortText<9> group_mmsi;
ShortText<9> distressed_mmsi;
int sim_mode = 0;
int base_port = 17000;
int data_port = 8090;
int utc_offset = 0;
bool restore_position = false;
bool show_radio = false;
OwnPosition own_position;
int current_channel = 16;
ChannelTable channel_table;
std::array<ShortText<255>, 12> nature_table;
int rx_packet_count = 0;
TDscCall received_call;
TDscCall outgoing_call;

const QColor distress_colour(255, 210, 210);
const QColor routine_colour(210, 255, 210);
const QColor request_colour(255, 255, 210);
const QColor report_colour(128, 255, 255);
const QColor acked_colour(240, 240, 224);

namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString program_folder()
{
    const QString folder = folderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride();
    return QDir(folder).absolutePath() + u'/';
}

void set_program_folder(const QString &folder)
{
    folderOverride() = folder;
}

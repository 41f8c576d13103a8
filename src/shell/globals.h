#pragma once

#include <QColor>
#include <QString>
#include <array>

#include "dsc/TDscCall.h"
#include "platform/ShortText.h"
#include "radio/channel_entry.h"

// Global station state shared by the station's parts. Written on the GUI
// thread only.

// The station's position as the text pieces a DSC call carries.
struct OwnPosition
{
    ShortText<2> latd;
    ShortText<2> latm;
    ShortText<3> latc;
    ShortText<1> ns;
    ShortText<3> lond;
    ShortText<2> lonm;
    ShortText<3> lonc;
    ShortText<1> ew;
    ShortText<255> time;
};

extern ShortText<9> station_mmsi;
extern ShortText<9> group_mmsi;
extern ShortText<9> distressed_mmsi;
extern int sim_mode;
extern int base_port;
extern int data_port;
extern int utc_offset;
extern bool restore_position;
extern bool show_radio;
extern OwnPosition own_position;
extern int current_channel;
extern ChannelTable channel_table;
extern std::array<ShortText<255>, 12> nature_table;
extern int rx_packet_count;
extern TDscCall received_call;
extern TDscCall outgoing_call;

extern const QColor distress_colour;
extern const QColor routine_colour;
extern const QColor request_colour;
extern const QColor report_colour;
extern const QColor acked_colour;

// The folder of the program file; the configuration and the files shipped
// with the program are found there.
QString program_folder();
// Tests run the station from another folder.
void set_program_folder(const QString &folder);

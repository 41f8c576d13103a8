#pragma once

#include <QString>
#include <QStringList>

#include "core/text/ShortText.h"

class IniFile;

// The station's keys of quillet.ini, as the station reads them at start and
// after the setup dialog.
struct StationSettings
{
    ShortText<9> stationMmsi{"274111001"};
    ShortText<9> groupMmsi{"027411101"};
    ShortText<9> distressedMmsi{"269070001"};
    int mode = 0; // 0 local, 1 network
    int basePort = 17000;
    int dataPort = 8090;
    int utcOffset = 0;
    bool restorePosition = false;
    bool showRadio = false;
    // The configured position: whole degrees and hemispheres as a call carries them.
    ShortText<2> latitudeDegrees{"41"};
    ShortText<3> longitudeDegrees{"009"};
    ShortText<1> northSouth{"N"};
    ShortText<1> eastWest{"E"};
    // Entry of the bind-address list the voice receiver binds to.
    int bindIndex = 0;

    // Reads the file; notices gets what the user must be told.
    static StationSettings load(const IniFile &ini, QStringList *notices);

    static QString missingFileText();
    // The status bar's texts: " MMSI = …", " GROUP = …", the mode.
    QString mmsiStatus() const;
    QString groupStatus() const;
    QString modeStatus() const;
};

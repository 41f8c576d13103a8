#include "StationSettings.h"

#include "IniFile.h"
#include "SettingsKeys.h"

namespace keys = settings_keys;

QString StationSettings::missingFileText()
{
    return QStringLiteral("File quillet.ini not found !");
}

StationSettings StationSettings::load(const IniFile &ini, QStringList *notices)
{
    if (!ini.exists())
        *notices << missingFileText();
    else if (!ini.whyNotRead().isEmpty())
        *notices << ini.whyNotRead();

    StationSettings s;
    s.stationMmsi = ini.readString(keys::Radio, keys::Mmsi, QStringLiteral("274111001"));
    s.groupMmsi = ini.readString(keys::Radio, keys::Group, QStringLiteral("027411101"));
    s.distressedMmsi = ini.readString(keys::Radio, keys::Distressed, QStringLiteral("269070001"));
    s.mode = ini.readInteger(keys::Radio, keys::Mode, 0);
    s.basePort = ini.readInteger(keys::Radio, keys::BasePort, 17000);
    s.dataPort = ini.readInteger(keys::Radio, keys::DataPort, 8090);

    int latitude = ini.readInteger(keys::Gps, keys::LatitudeRead, 41);
    if (latitude < 0 || latitude > 89)
        latitude = 43; // not the default: files in use rely on it
    s.latitudeDegrees = QStringLiteral("%1").arg(latitude, 2, 10, QLatin1Char('0'));

    int longitude = ini.readInteger(keys::Gps, keys::LongitudeRead, 9);
    if (longitude < 0 || longitude > 179)
        longitude = 9;
    s.longitudeDegrees = QStringLiteral("%1").arg(longitude, 3, 10, QLatin1Char('0'));

    s.utcOffset = ini.readInteger(keys::Gps, keys::Utc, 0);

    // Cut to one letter first, then upper-cased.
    s.northSouth = ini.readString(keys::Gps, keys::NorthSouthRead, QStringLiteral("N"));
    s.eastWest = ini.readString(keys::Gps, keys::EastWestRead, QStringLiteral("E"));
    s.northSouth = s.northSouth.str().toUpper();
    s.eastWest = s.eastWest.str().toUpper();

    s.restorePosition = ini.readInteger(keys::Radio, keys::RestorePosition, 0) == 1;
    s.showRadio = ini.readInteger(keys::Radio, keys::ShowRadio, 0) == 1;
    s.bindIndex = ini.readInteger(keys::AudioBind, keys::BindToIndex, 0);
    return s;
}

QString StationSettings::mmsiStatus() const
{
    return QStringLiteral(" MMSI = ") + stationMmsi.str();
}

QString StationSettings::groupStatus() const
{
    return QStringLiteral(" GROUP = ") + groupMmsi.str();
}

QString StationSettings::modeStatus() const
{
    return mode == 0 ? QStringLiteral("LOCAL MODE") : QStringLiteral("NETWORK MODE");
}

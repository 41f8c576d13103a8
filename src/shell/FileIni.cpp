#include "FileIni.h"

#include "globals.h"
#include "platform/IniFile.h"
#include "platform/LocalAddresses.h"
#include "platform/Modal.h"

QString configuration_path()
{
    return program_folder() + QStringLiteral("quillet.ini");
}

QString configuration_missing_text()
{
    return QStringLiteral("File quillet.ini not found !");
}

void load_configuration(ConfigurationView &view)
{
    const IniFile ini(configuration_path());
    if (!ini.exists())
        modal::show_message(configuration_missing_text());

    const QString radio = QStringLiteral("radio");
    const QString gps = QStringLiteral("gps_setup");
    station_mmsi = ini.readString(radio, QStringLiteral("mmsi"), QStringLiteral("274111001"));
    group_mmsi = ini.readString(radio, QStringLiteral("group"), QStringLiteral("027411101"));
    distressed_mmsi = ini.readString(radio, QStringLiteral("distressed"), QStringLiteral("269070001"));
    sim_mode = ini.readInteger(radio, QStringLiteral("mode"), 0);
    base_port = ini.readInteger(radio, QStringLiteral("base_port"), 17000);
    data_port = ini.readInteger(radio, QStringLiteral("data_port"), 8090);

    view.setStatusText(0, QStringLiteral(" MMSI = ") + station_mmsi.str());
    view.setStatusText(1, QStringLiteral(" GROUP = ") + group_mmsi.str());
    view.setStatusText(2, sim_mode == 0 ? QStringLiteral("LOCAL MODE") : QStringLiteral("NETWORK MODE"));

    int latitude = ini.readInteger(gps, QStringLiteral("GPS_LAT"), 41);
    if (latitude < 0 || latitude > 89)
        latitude = 43;
    own_position.latd = QStringLiteral("%1").arg(latitude, 2, 10, QLatin1Char('0'));

    int longitude = ini.readInteger(gps, QStringLiteral("GPS_LON"), 9);
    if (longitude < 0 || longitude > 179)
        longitude = 9;
    own_position.lond = QStringLiteral("%1").arg(longitude, 3, 10, QLatin1Char('0'));

    utc_offset = ini.readInteger(gps, QStringLiteral("utc"), 0);

    // Cut to one letter first, then upper-cased.
    own_position.ns = ini.readString(gps, QStringLiteral("GPS_NS"), QStringLiteral("N"));
    own_position.ew = ini.readString(gps, QStringLiteral("GPS_EW"), QStringLiteral("E"));
    own_position.ns = own_position.ns.str().toUpper();
    own_position.ew = own_position.ew.str().toUpper();

    restore_position = ini.readInteger(radio, QStringLiteral("position"), 0) == 1;
    show_radio = ini.readInteger(radio, QStringLiteral("show_radio"), 0) == 1;

    view.setBindAddresses(bind_address_list(), ini.readInteger(QStringLiteral("AudioBind"),
                                                                QStringLiteral("BindToIndex"), 0));
}

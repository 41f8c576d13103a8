#pragma once

#include <QLatin1StringView>

// Sections and keys of quillet.ini. Some keys are written in another case
// than they are read: names match without regard to case, and files in use
// carry both spellings, so each keeps its own.
namespace settings_keys {

inline constexpr QLatin1StringView FileName{"quillet.ini"};

inline constexpr QLatin1StringView Radio{"radio"};
inline constexpr QLatin1StringView Mmsi{"mmsi"};
inline constexpr QLatin1StringView Group{"group"};
inline constexpr QLatin1StringView Distressed{"distressed"};
inline constexpr QLatin1StringView Mode{"mode"};
inline constexpr QLatin1StringView BasePort{"base_port"};
inline constexpr QLatin1StringView DataPort{"data_port"};
inline constexpr QLatin1StringView RestorePosition{"position"};
inline constexpr QLatin1StringView ShowRadio{"show_radio"};

inline constexpr QLatin1StringView Gps{"gps_setup"};
inline constexpr QLatin1StringView LatitudeRead{"GPS_LAT"};
inline constexpr QLatin1StringView LatitudeWrite{"gps_lat"};
inline constexpr QLatin1StringView LongitudeRead{"GPS_LON"};
inline constexpr QLatin1StringView LongitudeWrite{"gps_lon"};
inline constexpr QLatin1StringView NorthSouthRead{"GPS_NS"};
inline constexpr QLatin1StringView NorthSouthWrite{"gps_NS"};
inline constexpr QLatin1StringView EastWestRead{"GPS_EW"};
inline constexpr QLatin1StringView EastWestWrite{"gps_EW"};
// The station reads "utc", the setup dialog reads "UTC"; both write "utc".
inline constexpr QLatin1StringView Utc{"utc"};
inline constexpr QLatin1StringView UtcSetupRead{"UTC"};

inline constexpr QLatin1StringView AudioBind{"AudioBind"};
inline constexpr QLatin1StringView BindToIndex{"BindToIndex"};

// The window position keys, after the window's name ("Form1.left").
inline constexpr QLatin1StringView Window{"settings"};

inline constexpr QLatin1StringView Audio{"waveAudio"};
inline constexpr QLatin1StringView AudioInDevice{"wave.in.deviceIdIndex"};
inline constexpr QLatin1StringView AudioOutDevice{"wave.out.deviceIdIndex"};
inline constexpr QLatin1StringView AudioDriverMode{"codec.in.driverModeIndex"};
inline constexpr QLatin1StringView AudioFormatTag{"codec.in.formatTag"};
inline constexpr QLatin1StringView AudioDriverLib{"codec.in.driverLib"};
inline constexpr QLatin1StringView AudioSilenceMode{"wave.in.sd.mode"};
inline constexpr QLatin1StringView AudioFormatExt{"wave.in.formatExt"};

} // namespace settings_keys

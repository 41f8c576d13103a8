#pragma once

// The DSC datagram protocol's fixed values, in one place.

#include <QLatin1StringView>
#include <QString>
#include <QtGlobal>

namespace dsc {

// Every station receives DSC datagrams on this port, whatever the mode.
inline constexpr quint16 ReceivePort = 8091;
// Destination host of local-mode datagrams.
inline constexpr QLatin1StringView LocalHost{"localhost"};

// RXMMSI of a call to all ships.
inline constexpr QLatin1StringView AllShips{"xxxxxxxxx"};

// FORMAT, CATEGORY and INFO1 travel padded with spaces to this width; the
// receiver's fixed-length slices rely on it.
inline constexpr int WordWidth = 12;

// A word as the fixed-width fields carry it: padded with spaces to 12 characters.
inline QString padded(QLatin1StringView word)
{
    return QString(word).leftJustified(WordWidth);
}

// Filler values of a call that carries no nature, position or time.
inline constexpr QLatin1StringView NoNature{"00"};
inline constexpr QLatin1StringView NoTime{"99:99"};
inline constexpr QLatin1StringView Comply{"N"};

// Vocabulary of FORMAT, CATEGORY and INFO1.
namespace words {
inline constexpr QLatin1StringView Individual{"INDIVIDUAL"};
inline constexpr QLatin1StringView Group{"GROUP"};
inline constexpr QLatin1StringView AllShipsFormat{"ALLSHIPS"};
inline constexpr QLatin1StringView Distress{"DISTRESS"};
inline constexpr QLatin1StringView Routine{"ROUTINE"};
inline constexpr QLatin1StringView Safety{"SAFETY"};
inline constexpr QLatin1StringView Urgency{"URGENCY"};
inline constexpr QLatin1StringView None{"-"};
inline constexpr QLatin1StringView Telephony{"F3E/G3E TP"};
inline constexpr QLatin1StringView PosRequest{"POS REQUEST"};
inline constexpr QLatin1StringView PosReport{"POS REPORT"};
inline constexpr QLatin1StringView Polling{"POLLING"};
inline constexpr QLatin1StringView TestCall{"TEST CALL"};
inline constexpr QLatin1StringView DistAck{"DIST ACK"};
inline constexpr QLatin1StringView Able{"ABLE"};
inline constexpr QLatin1StringView Unable{"UNABLE"};
inline constexpr QLatin1StringView PosReply{"POS REPLY"};
inline constexpr QLatin1StringView PosRptAck{"POS RPT ACK"};
inline constexpr QLatin1StringView PollingAck{"POLLING ACK"};
inline constexpr QLatin1StringView TestAck{"TEST ACK"};
} // namespace words

} // namespace dsc

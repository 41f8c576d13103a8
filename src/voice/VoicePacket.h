#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

#include "core/audio/StreamFormat.h"

// The voice datagram shared by every station (little-endian):
//
//   offset size  field
//   0      4     magic "QVOX"
//   4      1     version, 1
//   5      1     blocks in this packet, 1 or 2
//   6      2     wave format tag of the blocks (49: GSM 6.10, WAV49 framing)
//   8      4     sample rate of the stream (8000 for GSM 6.10)
//   12     1     channels, 1
//   13     1     reserved, 0
//   14     2     talk spurt: a number the sender draws anew each time it
//                starts sending, so a receiver knows a new talker began
//   16     4     sequence number of the first block within the spurt
//   20     65*n  the codec blocks (65 bytes of GSM 6.10 carry 320 samples)
//
// A receiver sets its decoder up from the header alone and drops anything
// that is not exactly this: wrong magic or version, a format it has no
// decoder for, a truncated or oversized payload.
namespace voice_packet {

inline constexpr int HeaderSize = 20;
inline constexpr int GsmBlockSize = 65;
inline constexpr int GsmBlockSamples = 320;
inline constexpr int MaxBlocks = 2;

QByteArray build(quint16 stream, quint32 sequence, const StreamFormat &format, const QByteArray &blocks);

struct Parsed
{
    StreamFormat format;
    quint16 stream = 0;
    quint32 sequence = 0;
    QList<QByteArray> blocks;
};

std::optional<Parsed> parse(const QByteArray &datagram);

} // namespace voice_packet

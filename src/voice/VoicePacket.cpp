#include "VoicePacket.h"

#include <QtEndian>

namespace voice_packet {

namespace {
constexpr char Magic[4] = {'Q', 'V', 'O', 'X'};
constexpr quint8 Version = 1;
} // namespace

QByteArray build(quint16 stream, quint32 sequence, const StreamFormat &format, const QByteArray &blocks)
{
    QByteArray out(HeaderSize, '\0');
    uchar *p = reinterpret_cast<uchar *>(out.data());
    std::copy(Magic, Magic + 4, p);
    p[4] = Version;
    p[5] = quint8(blocks.size() / GsmBlockSize);
    qToLittleEndian<quint16>(quint16(format.formatTag), p + 6);
    qToLittleEndian<quint32>(quint32(format.sampleRate), p + 8);
    p[12] = quint8(format.channels);
    qToLittleEndian<quint16>(stream, p + 14);
    qToLittleEndian<quint32>(sequence, p + 16);
    return out + blocks;
}

std::optional<Parsed> parse(const QByteArray &datagram)
{
    if (datagram.size() < HeaderSize + GsmBlockSize)
        return std::nullopt;
    const uchar *p = reinterpret_cast<const uchar *>(datagram.constData());
    if (!std::equal(Magic, Magic + 4, p) || p[4] != Version)
        return std::nullopt;
    const int count = p[5];
    Parsed out;
    out.format.formatTag = qFromLittleEndian<quint16>(p + 6);
    out.format.sampleRate = int(qFromLittleEndian<quint32>(p + 8));
    out.format.channels = p[12];
    out.format.bitsPerSample = 0;
    out.stream = qFromLittleEndian<quint16>(p + 14);
    out.sequence = qFromLittleEndian<quint32>(p + 16);
    // Only what a decoder exists for: GSM 6.10 at 8000 Hz mono.
    if (out.format.formatTag != format_tag::Gsm610 || out.format.sampleRate != 8000 || out.format.channels != 1)
        return std::nullopt;
    if (count < 1 || count > MaxBlocks || datagram.size() != HeaderSize + count * GsmBlockSize)
        return std::nullopt;
    for (int i = 0; i < count; ++i)
        out.blocks << datagram.mid(HeaderSize + i * GsmBlockSize, GsmBlockSize);
    return out;
}

} // namespace voice_packet

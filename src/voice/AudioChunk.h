#pragma once

#include <QByteArray>

#include "core/audio/StreamFormat.h"

// One piece of a stream on its way from stage to stage. Streams that come
// over the network carry their talk spurt and sequence number.
struct AudioChunk
{
    QByteArray data;
    StreamFormat format;
    quint16 stream = 0;
    quint32 sequence = 0;
};

#pragma once

#include "voice/GsmCodecStage.h"
#include "voice/VoiceReceiver.h"
#include "voice/WavFileSink.h"

// A station's receive chain that records what it would play into a WAV
// file: voice receiver on 127.0.0.1, GSM decoder, file.
struct VoiceListener
{
    VoiceReceiver receiver;
    GsmCodecStage decoder{GsmCodecStage::Decode};
    WavFileSink recorder;
    VoiceListener(quint16 port, const QString &file)
    {
        receiver.setPort(port);
        receiver.setBindAddress("127.0.0.1");
        receiver.setConsumer(&decoder);
        decoder.setConsumer(&recorder);
        recorder.setFileName(file);
    }
};

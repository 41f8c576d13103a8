#pragma once

#include <QString>

#include "core/audio/StreamFormat.h"

class IniFile;

// The audio device configuration as the [waveAudio] section keeps it:
// recording and playback devices (list positions, 0 being the system's
// default device where the list shows it), the codec and the recording format.
struct AudioDeviceChoice
{
    int waveIn = 0;
    int waveOut = 0;
    int driverMode = 0;
    int formatTag = format_tag::Gsm610;
    QString driverLib;
    int silenceMode = 0;
    StreamFormat recording = defaultRecordingFormat();

    // Device list positions beyond this are read as the default device.
    static constexpr int MaxDevicePosition = 4096;

    static StreamFormat defaultRecordingFormat() { return {format_tag::Pcm, 44100, 2, 16}; }

    // Missing or malformed keys read as the defaults.
    static AudioDeviceChoice read(const IniFile &ini);
    // Every key, in one order. Throws IniWriteError.
    void write(IniFile &ini) const;

    // "tag=1/nch=2/rate=44100/abps=176400/balign=4/bits=16/cb=0/config=/"
    static QString formatText(const StreamFormat &format);
    // Only PCM that a recording device can deliver is accepted.
    static bool parseFormatText(const QString &text, StreamFormat *format);
};

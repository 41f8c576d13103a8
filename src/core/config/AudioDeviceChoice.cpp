#include "AudioDeviceChoice.h"

#include "IniFile.h"
#include "SettingsKeys.h"

#include <QMap>
#include <QStringList>

namespace keys = settings_keys;

AudioDeviceChoice AudioDeviceChoice::read(const IniFile &ini)
{
    AudioDeviceChoice c;
    // A position off any device list means the default device.
    auto position = [&ini](QLatin1StringView key) {
        const int p = ini.readInteger(keys::Audio, key, 0);
        return p >= 0 && p <= MaxDevicePosition ? p : 0;
    };
    c.waveIn = position(keys::AudioInDevice);
    c.waveOut = position(keys::AudioOutDevice);
    c.driverMode = ini.readInteger(keys::Audio, keys::AudioDriverMode, 0);
    c.formatTag = ini.readInteger(keys::Audio, keys::AudioFormatTag, format_tag::Gsm610);
    c.driverLib = ini.readString(keys::Audio, keys::AudioDriverLib, QString());
    c.silenceMode = ini.readInteger(keys::Audio, keys::AudioSilenceMode, 0);
    if (!parseFormatText(ini.readString(keys::Audio, keys::AudioFormatExt, QString()), &c.recording))
        c.recording = defaultRecordingFormat();
    return c;
}

void AudioDeviceChoice::write(IniFile &ini) const
{
    ini.writeInteger(keys::Audio, keys::AudioInDevice, waveIn);
    ini.writeInteger(keys::Audio, keys::AudioOutDevice, waveOut);
    ini.writeInteger(keys::Audio, keys::AudioDriverMode, driverMode);
    ini.writeInteger(keys::Audio, keys::AudioFormatTag, formatTag);
    ini.writeString(keys::Audio, keys::AudioDriverLib, driverLib);
    ini.writeInteger(keys::Audio, keys::AudioSilenceMode, silenceMode);
    ini.writeString(keys::Audio, keys::AudioFormatExt, formatText(recording));
}

QString AudioDeviceChoice::formatText(const StreamFormat &f)
{
    const int align = f.channels * f.bitsPerSample / 8;
    return QStringLiteral("tag=%1/nch=%2/rate=%3/abps=%4/balign=%5/bits=%6/cb=0/config=/")
        .arg(f.formatTag)
        .arg(f.channels)
        .arg(f.sampleRate)
        .arg(f.sampleRate * align)
        .arg(align)
        .arg(f.bitsPerSample);
}

bool AudioDeviceChoice::parseFormatText(const QString &text, StreamFormat *format)
{
    QMap<QString, QString> items;
    for (const QString &item : text.split(u'/', Qt::SkipEmptyParts))
        items.insert(item.section(u'=', 0, 0), item.section(u'=', 1));
    bool ok = true;
    auto number = [&](const char *key) {
        bool good = false;
        const int v = items.value(QLatin1String(key)).toInt(&good);
        ok = ok && good;
        return v;
    };
    const StreamFormat f{number("tag"), number("rate"), number("nch"), number("bits")};
    if (!ok || f.formatTag != format_tag::Pcm || f.sampleRate < 4000 || f.sampleRate > 192000 || f.channels < 1
        || f.channels > 2 || (f.bitsPerSample != 8 && f.bitsPerSample != 16))
        return false;
    *format = f;
    return true;
}

#include "AudioDevices.h"

#include <QMediaDevices>

namespace audio_devices {

int input_count()
{
    return int(QMediaDevices::audioInputs().size());
}

QAudioDevice find(int id, bool input)
{
    const QList<QAudioDevice> list = input ? QMediaDevices::audioInputs() : QMediaDevices::audioOutputs();
    if (id >= 0 && id < list.size())
        return list[id];
    return input ? QMediaDevices::defaultAudioInput() : QMediaDevices::defaultAudioOutput();
}

} // namespace audio_devices

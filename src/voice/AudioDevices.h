#pragma once

#include <QAudioDevice>

// The sound system's devices by the numbers the device choice keeps.
namespace audio_devices {

int input_count();
// -1 (or any number off the list): the system's default device; n: the
// n-th recording (input) or playback device.
QAudioDevice find(int id, bool input);

} // namespace audio_devices

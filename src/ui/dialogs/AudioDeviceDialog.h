#pragma once

#include <QDialog>

#include "core/config/AudioDeviceChoice.h"

class IniFile;
class QComboBox;
class QLabel;
class QPushButton;
class VoiceEngine;

// The audio device configuration: recording and playback devices, the
// recording format and codec. Its choice is kept in the [waveAudio] section
// of the settings file and applied to the voice engine.
class AudioDeviceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AudioDeviceDialog(QWidget *parent = nullptr);

    void setOptions(bool syncInOutFormat, bool includeMapper, bool allowModeChange);
    // Reads the section and applies it, without showing anything.
    void loadChoice(const IniFile &config, VoiceEngine &engine);
    // Shows the dialog; on OK writes the section and applies the choice.
    // Throws IniWriteError when the file cannot be written.
    bool configure(IniFile &config, VoiceEngine &engine);

    QComboBox *inputDeviceBox = nullptr, *outputDeviceBox = nullptr, *driverBox = nullptr, *codecBox = nullptr,
              *recordingFormatBox = nullptr, *silenceBox = nullptr;
    QPushButton *inputVolumeButton = nullptr, *outputVolumeButton = nullptr, *soundSettingsButton = nullptr,
                *okButton = nullptr, *cancelButton = nullptr;

private:
    void showChoice(const AudioDeviceChoice &choice);
    AudioDeviceChoice chosen() const;
    void apply(const AudioDeviceChoice &choice, VoiceEngine &engine) const;
    void fillDevices();
    void openSoundSettings();

    bool m_includeMapper = true;
};

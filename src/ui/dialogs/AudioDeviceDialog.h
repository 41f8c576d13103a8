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

    void setupUI(bool syncInOutFormat, bool includeMapper, bool allowModeChange);
    // Reads the section and applies it, without showing anything.
    void loadChoice(const IniFile &config, VoiceEngine &engine);
    // Shows the dialog; on OK writes the section and applies the choice.
    // Throws IniWriteError when the file cannot be written.
    bool configure(IniFile &config, VoiceEngine &engine);

    QComboBox *cb_waveIn = nullptr, *cb_waveOut = nullptr, *cb_driverMode = nullptr, *cb_codecFormat = nullptr,
              *cb_recordingFormat = nullptr, *cb_silenceMode = nullptr;
    QPushButton *btn_volumeIn = nullptr, *btn_volumeOut = nullptr, *btn_audioProperties = nullptr,
                *btn_ok = nullptr, *btn_cancel = nullptr;

private:
    void showChoice(const AudioDeviceChoice &choice);
    AudioDeviceChoice chosen() const;
    void apply(const AudioDeviceChoice &choice, VoiceEngine &engine) const;
    void fillDevices();
    void openSoundSettings();

    bool m_includeMapper = true;
};

#pragma once

#include <QDialog>

#include "StreamFormat.h"

class IniFile;
class QComboBox;
class QLabel;
class QPushButton;
class WaveCodecDevice;
class WaveInDevice;
class WaveOutDevice;

// The audio device configuration: recording and playback devices, the
// recording format and codec. Its choice is kept in one section of the
// station's configuration file and applied to the devices and the encoder.
class Tc_form_common_audioConfig : public QDialog
{
    Q_OBJECT
public:
    explicit Tc_form_common_audioConfig(QWidget *parent = nullptr);

    void setupUI(bool syncInOutFormat, bool includeMapper, bool allowModeChange);
    // Reads the section and applies it, without showing anything.
    void doLoadConfig(WaveInDevice *waveIn, WaveOutDevice *waveOut, WaveCodecDevice *codecIn,
                      WaveCodecDevice *codecOut, IniFile *config, const QString &section);
    // Shows the dialog; on OK writes the section and applies the choice.
    // Throws IniWriteError when the file cannot be written.
    bool doConfig(WaveInDevice *waveIn, WaveOutDevice *waveOut, WaveCodecDevice *codecIn, WaveCodecDevice *codecOut,
                  IniFile *config, const QString &section, bool doShow, bool doLoad);

    // "tag=1/nch=2/rate=44100/abps=176400/balign=4/bits=16/cb=0/config=/"
    static QString formatExt(const StreamFormat &format);
    static bool parseFormatExt(const QString &text, StreamFormat *format);
    static StreamFormat defaultRecordingFormat() { return {format_tag::Pcm, 44100, 2, 16}; }

    QComboBox *cb_waveIn = nullptr, *cb_waveOut = nullptr, *cb_driverMode = nullptr, *cb_codecFormat = nullptr,
              *cb_recordingFormat = nullptr, *cb_silenceMode = nullptr;
    QPushButton *btn_volumeIn = nullptr, *btn_volumeOut = nullptr, *btn_audioProperties = nullptr,
                *btn_ok = nullptr, *btn_cancel = nullptr;

private:
    struct Choice
    {
        int waveIn = 0;
        int waveOut = 0;
        int driverMode = 0;
        int formatTag = format_tag::Gsm610;
        QString driverLib;
        int sdMode = 0;
        StreamFormat recording = defaultRecordingFormat();
    };
    Choice read(const IniFile &config, const QString &section) const;
    void showChoice(const Choice &choice);
    Choice chosen() const;
    void apply(const Choice &choice, WaveInDevice *waveIn, WaveOutDevice *waveOut, WaveCodecDevice *codecIn) const;
    void fillDevices();
    void openSoundSettings();

    bool m_includeMapper = true;
};

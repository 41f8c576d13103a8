#include "AudioDeviceDialog.h"

#include "core/config/IniFile.h"
#include "ui/Modal.h"
#include "voice/VoiceEngine.h"

#include <QAudioDevice>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
const int Rates[] = {8000, 11025, 16000, 22050, 32000, 44100, 48000};

QComboBox *combo(QWidget *parent, const char *name)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    return c;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
} // namespace

AudioDeviceDialog::AudioDeviceDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("c_form_common_audioConfig"));
    setWindowTitle(QStringLiteral("Audio Devices Configuration"));

    auto *recording = new QGroupBox(QStringLiteral(" Recording "), this);
    inputDeviceBox = combo(recording, "cb_waveIn");
    recordingFormatBox = combo(recording, "cb_recordingFormat");
    driverBox = combo(recording, "cb_driverMode");
    codecBox = combo(recording, "cb_codecFormat");
    silenceBox = combo(recording, "cb_silenceMode");
    inputVolumeButton = button(recording, "btn_volumeIn", QStringLiteral("&Volume..."));
    auto *recordingForm = new QFormLayout(recording);
    recordingForm->addRow(QStringLiteral("Device:"), inputDeviceBox);
    recordingForm->addRow(QStringLiteral("Format:"), recordingFormatBox);
    recordingForm->addRow(QStringLiteral("Codec driver:"), driverBox);
    recordingForm->addRow(QStringLiteral("Codec format:"), codecBox);
    recordingForm->addRow(QStringLiteral("Silence detection:"), silenceBox);
    recordingForm->addRow(QString(), inputVolumeButton);

    auto *playback = new QGroupBox(QStringLiteral(" Playback "), this);
    outputDeviceBox = combo(playback, "cb_waveOut");
    outputVolumeButton = button(playback, "btn_volumeOut", QStringLiteral("Vol&ume..."));
    auto *playbackForm = new QFormLayout(playback);
    playbackForm->addRow(QStringLiteral("Device:"), outputDeviceBox);
    playbackForm->addRow(QStringLiteral("Format:"), new QLabel(QStringLiteral("as recorded"), playback));
    playbackForm->addRow(QString(), outputVolumeButton);

    soundSettingsButton = button(this, "btn_audioProperties", QStringLiteral("&Audio Properties..."));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton = buttons->button(QDialogButtonBox::Ok);
    cancelButton = buttons->button(QDialogButtonBox::Cancel);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(soundSettingsButton);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(recording);
    layout->addWidget(playback);
    layout->addLayout(bottom);

    driverBox->addItems({QStringLiteral("ACM"), QStringLiteral("OpenH323 (not available)")});
    codecBox->addItem(QStringLiteral("GSM 6.10"), format_tag::Gsm610);
    silenceBox->addItems({QStringLiteral("None")});
    for (int rate : Rates)
        for (int channels : {1, 2})
            for (int bits : {8, 16}) {
                const StreamFormat f{format_tag::Pcm, rate, channels, bits};
                recordingFormatBox->addItem(QStringLiteral("PCM %1 Hz, %2 bit, %3")
                                                .arg(rate)
                                                .arg(bits)
                                                .arg(channels == 1 ? QStringLiteral("mono") : QStringLiteral("stereo")),
                                            AudioDeviceChoice::formatText(f));
            }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(driverBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index == 1) {
            modal::show_message(
                QStringLiteral("Codec plug-in libraries are not available; the built-in codecs are used."));
            driverBox->setCurrentIndex(0);
        }
    });
    for (QPushButton *b : {inputVolumeButton, outputVolumeButton, soundSettingsButton})
        connect(b, &QPushButton::clicked, this, &AudioDeviceDialog::openSoundSettings);
    fillDevices();
}

void AudioDeviceDialog::setOptions(bool, bool includeMapper, bool allowModeChange)
{
    // The playback format always follows the recording format here.
    m_includeMapper = includeMapper;
    driverBox->setEnabled(allowModeChange);
    fillDevices();
}

void AudioDeviceDialog::fillDevices()
{
    for (auto [box, input] : {std::pair{inputDeviceBox, true}, std::pair{outputDeviceBox, false}}) {
        box->clear();
        if (m_includeMapper)
            box->addItem(QStringLiteral("Wave Mapper"));
        const QList<QAudioDevice> devices = input ? QMediaDevices::audioInputs() : QMediaDevices::audioOutputs();
        for (const QAudioDevice &d : devices)
            box->addItem(d.description());
    }
}

void AudioDeviceDialog::showChoice(const AudioDeviceChoice &c)
{
    inputDeviceBox->setCurrentIndex(qBound(0, c.waveIn, inputDeviceBox->count() - 1));
    outputDeviceBox->setCurrentIndex(qBound(0, c.waveOut, outputDeviceBox->count() - 1));
    driverBox->setCurrentIndex(0);
    codecBox->setCurrentIndex(0);
    silenceBox->setCurrentIndex(0);
    const int f = recordingFormatBox->findData(AudioDeviceChoice::formatText(c.recording));
    recordingFormatBox->setCurrentIndex(f >= 0 ? f
                                               : recordingFormatBox->findData(AudioDeviceChoice::formatText(
                                                   AudioDeviceChoice::defaultRecordingFormat())));
}

AudioDeviceChoice AudioDeviceDialog::chosen() const
{
    AudioDeviceChoice c;
    c.waveIn = inputDeviceBox->currentIndex();
    c.waveOut = outputDeviceBox->currentIndex();
    c.driverMode = driverBox->currentIndex();
    c.formatTag = codecBox->currentData().toInt();
    c.silenceMode = silenceBox->currentIndex();
    AudioDeviceChoice::parseFormatText(recordingFormatBox->currentData().toString(), &c.recording);
    return c;
}

void AudioDeviceDialog::apply(const AudioDeviceChoice &c, VoiceEngine &engine) const
{
    // Position 0 is the Wave Mapper, the system's default device.
    engine.applyDeviceChoice(c, m_includeMapper ? 1 : 0);
}

void AudioDeviceDialog::loadChoice(const IniFile &config, VoiceEngine &engine)
{
    const AudioDeviceChoice c = AudioDeviceChoice::read(config);
    showChoice(c);
    apply(c, engine);
}

bool AudioDeviceDialog::configure(IniFile &config, VoiceEngine &engine)
{
    fillDevices();
    showChoice(AudioDeviceChoice::read(config));
    if (modal::exec_dialog(*this) != QDialog::Accepted)
        return false;
    const AudioDeviceChoice c = chosen();
    c.write(config);
    apply(c, engine);
    return true;
}

void AudioDeviceDialog::openSoundSettings()
{
    for (const char *program : {"pavucontrol", "gnome-control-center", "systemsettings"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(program));
        if (path.isEmpty())
            continue;
        const QStringList args =
            QLatin1String(program) == QLatin1String("gnome-control-center") ? QStringList{QStringLiteral("sound")}
            : QLatin1String(program) == QLatin1String("systemsettings") ? QStringList{QStringLiteral("kcm_pulseaudio")}
                                                                        : QStringList{};
        if (QProcess::startDetached(path, args))
            return;
    }
    modal::show_message(QStringLiteral("No sound settings program is installed on this desktop."));
}

#include "Tc_form_common_audioConfig.h"

#include "IniFile.h"
#include "Modal.h"
#include "WaveCodecDevice.h"
#include "WaveInDevice.h"
#include "WaveOutDevice.h"

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

Tc_form_common_audioConfig::Tc_form_common_audioConfig(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("c_form_common_audioConfig"));
    setWindowTitle(QStringLiteral("Audio Devices Configuration"));

    auto *recording = new QGroupBox(QStringLiteral(" Recording "), this);
    cb_waveIn = combo(recording, "cb_waveIn");
    cb_recordingFormat = combo(recording, "cb_recordingFormat");
    cb_driverMode = combo(recording, "cb_driverMode");
    cb_codecFormat = combo(recording, "cb_codecFormat");
    cb_silenceMode = combo(recording, "cb_silenceMode");
    btn_volumeIn = button(recording, "btn_volumeIn", QStringLiteral("&Volume..."));
    auto *recordingForm = new QFormLayout(recording);
    recordingForm->addRow(QStringLiteral("Device:"), cb_waveIn);
    recordingForm->addRow(QStringLiteral("Format:"), cb_recordingFormat);
    recordingForm->addRow(QStringLiteral("Codec driver:"), cb_driverMode);
    recordingForm->addRow(QStringLiteral("Codec format:"), cb_codecFormat);
    recordingForm->addRow(QStringLiteral("Silence detection:"), cb_silenceMode);
    recordingForm->addRow(QString(), btn_volumeIn);

    auto *playback = new QGroupBox(QStringLiteral(" Playback "), this);
    cb_waveOut = combo(playback, "cb_waveOut");
    btn_volumeOut = button(playback, "btn_volumeOut", QStringLiteral("Vol&ume..."));
    auto *playbackForm = new QFormLayout(playback);
    playbackForm->addRow(QStringLiteral("Device:"), cb_waveOut);
    playbackForm->addRow(QStringLiteral("Format:"), new QLabel(QStringLiteral("as recorded"), playback));
    playbackForm->addRow(QString(), btn_volumeOut);

    btn_audioProperties = button(this, "btn_audioProperties", QStringLiteral("&Audio Properties..."));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btn_ok = buttons->button(QDialogButtonBox::Ok);
    btn_cancel = buttons->button(QDialogButtonBox::Cancel);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(btn_audioProperties);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(recording);
    layout->addWidget(playback);
    layout->addLayout(bottom);

    cb_driverMode->addItems({QStringLiteral("ACM"), QStringLiteral("OpenH323 (not available)")});
    cb_codecFormat->addItem(QStringLiteral("GSM 6.10"), format_tag::Gsm610);
    cb_silenceMode->addItems({QStringLiteral("None")});
    for (int rate : Rates)
        for (int channels : {1, 2})
            for (int bits : {8, 16}) {
                const StreamFormat f{format_tag::Pcm, rate, channels, bits};
                cb_recordingFormat->addItem(QStringLiteral("PCM %1 Hz, %2 bit, %3")
                                                .arg(rate)
                                                .arg(bits)
                                                .arg(channels == 1 ? QStringLiteral("mono") : QStringLiteral("stereo")),
                                            formatExt(f));
            }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cb_driverMode, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index == 1) {
            modal::show_message(QStringLiteral("Codec plug-in libraries are not available; the built-in codecs are used."));
            cb_driverMode->setCurrentIndex(0);
        }
    });
    for (QPushButton *b : {btn_volumeIn, btn_volumeOut, btn_audioProperties})
        connect(b, &QPushButton::clicked, this, &Tc_form_common_audioConfig::openSoundSettings);
    fillDevices();
}

void Tc_form_common_audioConfig::setupUI(bool, bool includeMapper, bool allowModeChange)
{
    // The playback format always follows the recording format here.
    m_includeMapper = includeMapper;
    cb_driverMode->setEnabled(allowModeChange);
    fillDevices();
}

void Tc_form_common_audioConfig::fillDevices()
{
    for (auto [box, input] : {std::pair{cb_waveIn, true}, std::pair{cb_waveOut, false}}) {
        box->clear();
        if (m_includeMapper)
            box->addItem(QStringLiteral("Wave Mapper"));
        const QList<QAudioDevice> devices = input ? QMediaDevices::audioInputs() : QMediaDevices::audioOutputs();
        for (const QAudioDevice &d : devices)
            box->addItem(d.description());
    }
}

QString Tc_form_common_audioConfig::formatExt(const StreamFormat &f)
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

bool Tc_form_common_audioConfig::parseFormatExt(const QString &text, StreamFormat *format)
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
    // Only PCM that a recording device can deliver.
    if (!ok || f.formatTag != format_tag::Pcm || f.sampleRate < 4000 || f.sampleRate > 192000 || f.channels < 1
        || f.channels > 2 || (f.bitsPerSample != 8 && f.bitsPerSample != 16))
        return false;
    *format = f;
    return true;
}

Tc_form_common_audioConfig::Choice Tc_form_common_audioConfig::read(const IniFile &config, const QString &section) const
{
    Choice c;
    c.waveIn = config.readInteger(section, QStringLiteral("wave.in.deviceIdIndex"), 0);
    c.waveOut = config.readInteger(section, QStringLiteral("wave.out.deviceIdIndex"), 0);
    c.driverMode = config.readInteger(section, QStringLiteral("codec.in.driverModeIndex"), 0);
    c.formatTag = config.readInteger(section, QStringLiteral("codec.in.formatTag"), format_tag::Gsm610);
    c.driverLib = config.readString(section, QStringLiteral("codec.in.driverLib"), QString());
    c.sdMode = config.readInteger(section, QStringLiteral("wave.in.sd.mode"), 0);
    if (!parseFormatExt(config.readString(section, QStringLiteral("wave.in.formatExt"), QString()), &c.recording))
        c.recording = defaultRecordingFormat();
    return c;
}

void Tc_form_common_audioConfig::showChoice(const Choice &c)
{
    cb_waveIn->setCurrentIndex(qBound(0, c.waveIn, cb_waveIn->count() - 1));
    cb_waveOut->setCurrentIndex(qBound(0, c.waveOut, cb_waveOut->count() - 1));
    cb_driverMode->setCurrentIndex(0);
    cb_codecFormat->setCurrentIndex(0);
    cb_silenceMode->setCurrentIndex(0);
    const int f = cb_recordingFormat->findData(formatExt(c.recording));
    cb_recordingFormat->setCurrentIndex(f >= 0 ? f : cb_recordingFormat->findData(formatExt(defaultRecordingFormat())));
}

Tc_form_common_audioConfig::Choice Tc_form_common_audioConfig::chosen() const
{
    Choice c;
    c.waveIn = cb_waveIn->currentIndex();
    c.waveOut = cb_waveOut->currentIndex();
    c.driverMode = cb_driverMode->currentIndex();
    c.formatTag = cb_codecFormat->currentData().toInt();
    c.sdMode = cb_silenceMode->currentIndex();
    parseFormatExt(cb_recordingFormat->currentData().toString(), &c.recording);
    return c;
}

void Tc_form_common_audioConfig::apply(const Choice &c, WaveInDevice *waveIn, WaveOutDevice *waveOut,
                                       WaveCodecDevice *codecIn) const
{
    // Position 0 is the Wave Mapper, the system's default device.
    const int shift = m_includeMapper ? 1 : 0;
    if (waveIn) {
        waveIn->setDeviceId(c.waveIn - shift);
        waveIn->setSilenceDetectionMode(c.sdMode);
        waveIn->setPcmFormat(c.recording);
    }
    if (waveOut)
        waveOut->setDeviceId(c.waveOut - shift);
    if (codecIn) {
        codecIn->setDriverMode(0); // only the built-in codecs exist here
        codecIn->setFormatTag(c.formatTag == format_tag::Gsm610 ? c.formatTag : format_tag::Gsm610);
    }
}

void Tc_form_common_audioConfig::doLoadConfig(WaveInDevice *waveIn, WaveOutDevice *waveOut, WaveCodecDevice *codecIn,
                                              WaveCodecDevice *, IniFile *config, const QString &section)
{
    const Choice c = read(*config, section);
    showChoice(c);
    apply(c, waveIn, waveOut, codecIn);
}

bool Tc_form_common_audioConfig::doConfig(WaveInDevice *waveIn, WaveOutDevice *waveOut, WaveCodecDevice *codecIn,
                                          WaveCodecDevice *, IniFile *config, const QString &section, bool doShow,
                                          bool doLoad)
{
    fillDevices();
    if (doLoad)
        showChoice(read(*config, section));
    if (doShow && modal::exec_dialog(*this) != QDialog::Accepted)
        return false;
    const Choice c = chosen();
    config->writeInteger(section, QStringLiteral("wave.in.deviceIdIndex"), c.waveIn);
    config->writeInteger(section, QStringLiteral("wave.out.deviceIdIndex"), c.waveOut);
    config->writeInteger(section, QStringLiteral("codec.in.driverModeIndex"), c.driverMode);
    config->writeInteger(section, QStringLiteral("codec.in.formatTag"), c.formatTag);
    config->writeString(section, QStringLiteral("codec.in.driverLib"), c.driverLib);
    config->writeInteger(section, QStringLiteral("wave.in.sd.mode"), c.sdMode);
    config->writeString(section, QStringLiteral("wave.in.formatExt"), formatExt(c.recording));
    apply(c, waveIn, waveOut, codecIn);
    return true;
}

void Tc_form_common_audioConfig::openSoundSettings()
{
    for (const char *program : {"pavucontrol", "gnome-control-center", "systemsettings"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(program));
        if (path.isEmpty())
            continue;
        const QStringList args = QLatin1String(program) == QLatin1String("gnome-control-center")
                                     ? QStringList{QStringLiteral("sound")}
                                     : QLatin1String(program) == QLatin1String("systemsettings")
                                           ? QStringList{QStringLiteral("kcm_pulseaudio")}
                                           : QStringList{};
        if (QProcess::startDetached(path, args))
            return;
    }
    modal::show_message(QStringLiteral("No sound settings program is installed on this desktop."));
}

#include "VoiceEngine.h"

#include "AudioDevices.h"
#include "GsmCodecStage.h"
#include "MicrophoneInput.h"
#include "PcmResampler.h"
#include "SpeakerOutput.h"
#include "VoiceLogging.h"
#include "VoiceReceiver.h"
#include "VoiceSender.h"
#include "WavFileSource.h"
#include "core/config/AudioDeviceChoice.h"

#include <QThread>

VoiceEngine::VoiceEngine(QObject *parent)
    : QObject(parent), m_thread(new QThread(this)), m_microphone(new MicrophoneInput),
      m_encoder(new GsmCodecStage(GsmCodecStage::Encode)), m_sender(new VoiceSender), m_receiver(new VoiceReceiver),
      m_decoder(new GsmCodecStage(GsmCodecStage::Decode)), m_speaker(new SpeakerOutput),
      m_fileSource(new WavFileSource), m_resampler(new PcmResampler), m_fileSpeaker(new SpeakerOutput)
{
    m_thread->setObjectName(QStringLiteral("audio"));
    // The names the original components had, for a developer's look.
    const std::pair<AudioStage *, const char *> stages[] = {
        {m_microphone, "InDevice1"}, {m_encoder, "Encoder"},      {m_sender, "BroadcastTX"},
        {m_receiver, "BroadcastRX"}, {m_decoder, "decoder"},      {m_speaker, "OutDevice1"},
        {m_fileSource, "WaveRead2"}, {m_resampler, "Resampler2"}, {m_fileSpeaker, "OutDevice2"}};
    for (const auto &[stage, name] : stages) {
        stage->setObjectName(QLatin1String(name));
        stage->moveToThread(m_thread);
    }
    m_thread->start();
    m_microphone->setConsumer(m_encoder);
    m_encoder->setConsumer(m_sender);
    m_receiver->setConsumer(m_decoder);
    m_decoder->setConsumer(m_speaker);
    m_fileSource->setConsumer(m_resampler);
    m_resampler->setConsumer(m_fileSpeaker);
    onAudioThread([this] {
        m_sender->setPort(17000);
        m_sender->setBindAddress(QStringLiteral("0.0.0.0"));
        m_receiver->setPort(17016);
    });
    connect(m_decoder, &AudioStage::dataAvailable, this, &VoiceEngine::voiceActivity, Qt::QueuedConnection);
}

VoiceEngine::~VoiceEngine()
{
    const std::initializer_list<AudioStage *> stages{m_microphone, m_encoder,    m_sender,    m_receiver,   m_decoder,
                                                     m_speaker,    m_fileSource, m_resampler, m_fileSpeaker};
    for (AudioStage *stage : stages)
        stage->close();
    for (AudioStage *stage : stages)
        stage->setConsumer(nullptr);
    for (AudioStage *stage : stages)
        stage->deleteLater(); // on the audio thread, as it finishes
    m_thread->quit();
    m_thread->wait();
}

void VoiceEngine::onAudioThread(const std::function<void()> &work) const
{
    QMetaObject::invokeMethod(m_receiver, work, Qt::BlockingQueuedConnection);
}

void VoiceEngine::setPorts(quint16 receivePort, quint16 transmitPort)
{
    onAudioThread([=, this] {
        m_receiver->setPort(receivePort);
        m_sender->setPort(transmitPort);
    });
}

void VoiceEngine::tune(quint16 receivePort, quint16 transmitPort)
{
    m_receiver->close();
    setPorts(receivePort, transmitPort);
    openReceiver();
}

void VoiceEngine::setReceiveBindAddress(const QString &address)
{
    onAudioThread([=, this] { m_receiver->setBindAddress(address); });
}

void VoiceEngine::rebind(const QString &address)
{
    m_receiver->close();
    setReceiveBindAddress(address);
    openReceiver();
}

bool VoiceEngine::openReceiver()
{
    const bool ok = m_receiver->open();
    if (!ok)
        qCInfo(lcVoice) << "voice receiver could not bind port" << m_receiver->port();
    return ok;
}

void VoiceEngine::closeReceiver()
{
    m_receiver->close();
}

void VoiceEngine::setTransmitDestination(const QHostAddress &address)
{
    onAudioThread([=, this] { m_sender->setDestination(address); });
}

VoiceEngine::Talk VoiceEngine::startTalking()
{
    if (audio_devices::input_count() < 1)
        return Talk::NoMicrophone;
    m_receiver->close();
    if (!m_microphone->open()) {
        qCInfo(lcVoice) << "microphone" << m_microphone->deviceId() << "did not open";
        m_receiver->open();
        return Talk::MicrophoneFailed;
    }
    m_talking = true;
    return Talk::Started;
}

void VoiceEngine::stopTalking()
{
    m_microphone->close();
    m_talking = false;
    m_receiver->open();
}

bool VoiceEngine::playFile(const QString &path)
{
    m_fileSource->close();
    onAudioThread([=, this] { m_fileSource->setFileName(path); });
    return m_fileSource->open();
}

bool VoiceEngine::transmitFile(const QString &path)
{
    m_receiver->close();
    m_microphone->setConsumer(nullptr);
    m_fileSource->setConsumer(m_encoder);
    return playFile(path);
}

void VoiceEngine::stopFile()
{
    m_fileSource->close();
    m_fileSource->setConsumer(m_resampler);
    m_microphone->setConsumer(m_encoder);
    onAudioThread([this] { m_fileSource->setFileName(QString()); });
    m_fileSpeaker->close();
    m_resampler->close();
    m_receiver->open();
}

void VoiceEngine::closeAll()
{
    m_sender->close();
    m_receiver->close();
    m_fileSource->close();
    m_fileSpeaker->close();
}

QString VoiceEngine::fileError() const
{
    QString error;
    onAudioThread([&error, this] { error = m_fileSource->error(); });
    return error;
}

bool VoiceEngine::isPlayingFile() const
{
    return m_fileSpeaker->isActive();
}

bool VoiceEngine::isTransmitting() const
{
    return m_encoder->isActive();
}

void VoiceEngine::applyDeviceChoice(const AudioDeviceChoice &c, int listShift)
{
    onAudioThread([=, this] {
        m_microphone->setDeviceId(c.waveIn - listShift);
        m_microphone->setSilenceDetectionMode(c.silenceMode);
        m_microphone->setPcmFormat(c.recording);
        m_speaker->setDeviceId(c.waveOut - listShift);
        m_encoder->setDriverMode(0); // only the built-in codecs exist here
        m_encoder->setFormatTag(format_tag::Gsm610);
    });
}

#pragma once

#include <QHostAddress>
#include <QObject>
#include <functional>

class AudioStage;
class GsmCodecStage;
class MicrophoneInput;
class PcmResampler;
class QThread;
class SpeakerOutput;
class VoiceReceiver;
class VoiceSender;
class WavFileSource;
struct AudioDeviceChoice;

// The station's radio audio on a thread of its own, so a busy window (a
// flood of calls, a modal dialog) never makes the voice stutter. It owns
// three chains:
//   microphone → GSM encoder → voice sender          (push-to-talk)
//   voice receiver → GSM decoder → loudspeaker       (the channel)
//   WAV file → resampler → loudspeaker               (playing a message)
// and links the WAV file to the encoder instead to transmit a message.
// Every call is made on the owner's thread and carried out on the audio
// thread before it returns.
class VoiceEngine : public QObject
{
    Q_OBJECT
public:
    explicit VoiceEngine(QObject *parent = nullptr);
    ~VoiceEngine() override;

    // Ports of the channel's streams, used from their next opening; 0 keeps
    // that stream closed.
    void setPorts(quint16 receivePort, quint16 transmitPort);
    // Closes the receiver, sets both ports and opens the receiver again.
    void tune(quint16 receivePort, quint16 transmitPort);
    // The receiver's local address ("0.0.0.0" or empty: every address),
    // used from its next opening.
    void setReceiveBindAddress(const QString &address);
    // Reopens the receiver on address.
    void rebind(const QString &address);
    bool openReceiver();
    void closeReceiver();
    // Where the voice sender sends: the broadcast address unless told
    // otherwise (benchmarks on loopback).
    void setTransmitDestination(const QHostAddress &address);

    enum class Talk { Started, NoMicrophone, MicrophoneFailed };
    // The receiver closes while the station talks.
    Talk startTalking();
    void stopTalking();
    bool isTalking() const { return m_talking; }

    // A WAV message on the loudspeaker, or on the channel in place of the
    // microphone; either ends by itself at the end of the file.
    // False, and fileError() says why, when the file cannot be played.
    bool playFile(const QString &path);
    bool transmitFile(const QString &path);
    QString fileError() const;
    // Ends either, links the chains back and opens the receiver again.
    void stopFile();
    bool isPlayingFile() const;
    // The window closes: both voice streams and any file end.
    void closeAll();
    // The encoder runs: the microphone or a file is on the channel.
    bool isTransmitting() const;

    // Devices, recording format and codec of the audio device choice;
    // listShift is 1 where position 0 of the device lists is the default device.
    void applyDeviceChoice(const AudioDeviceChoice &choice, int listShift);

    // The stages, for a look at their state.
    const MicrophoneInput &microphone() const { return *m_microphone; }
    const GsmCodecStage &encoder() const { return *m_encoder; }
    const VoiceSender &sender() const { return *m_sender; }
    const VoiceReceiver &receiver() const { return *m_receiver; }
    const GsmCodecStage &decoder() const { return *m_decoder; }
    const SpeakerOutput &speaker() const { return *m_speaker; }
    const WavFileSource &fileSource() const { return *m_fileSource; }
    const SpeakerOutput &fileSpeaker() const { return *m_fileSpeaker; }

signals:
    // Voice arrived on the channel (one signal per codec block).
    void voiceActivity();

private:
    void onAudioThread(const std::function<void()> &work) const;

    QThread *m_thread;
    MicrophoneInput *m_microphone;
    GsmCodecStage *m_encoder;
    VoiceSender *m_sender;
    VoiceReceiver *m_receiver;
    GsmCodecStage *m_decoder;
    SpeakerOutput *m_speaker;
    WavFileSource *m_fileSource;
    PcmResampler *m_resampler;
    SpeakerOutput *m_fileSpeaker;
    bool m_talking = false;
};

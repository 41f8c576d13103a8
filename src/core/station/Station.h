#pragma once

#include <QObject>
#include <QStringList>
#include <memory>
#include <stdexcept>

#include "core/config/StationSettings.h"
#include "core/dsc/DatagramWriter.h"
#include "core/dsc/DscTransport.h"
#include "core/dsc/PositionFix.h"
#include "core/env/StationEnvironment.h"
#include "core/log/AckAvailability.h"
#include "core/log/AlarmState.h"
#include "core/log/MessageLog.h"
#include "core/radio/ChannelSelector.h"
#include "core/radio/ChannelTable.h"

// A DSC station without its window: settings, the channel table and the
// radio's tuning, a transport, the message log and the alarms. It sends
// calls, logs what it receives and acknowledges logged calls; a window, an
// exercise runner or a test drives it.
// A send refused because the settings name no mode a station knows.
class ModeError : public std::runtime_error
{
public:
    explicit ModeError(const QString &text) : std::runtime_error(text.toStdString()) {}
};

class Station : public QObject
{
    Q_OBJECT
public:
    // Without a transport the station sends and receives over UDP.
    explicit Station(StationEnvironment environment = StationEnvironment(),
                     std::unique_ptr<DscTransport> transport = nullptr, QObject *parent = nullptr);
    ~Station() override;

    // Reads the settings file, then the channel table (from the folder the
    // station started in, else beside the program, else from the installed
    // files). Returns what the user must be told, in order.
    QStringList configure();
    // Reads the settings file again (after the setup dialog).
    QStringList reloadSettings();

    StationEnvironment &environment() { return m_environment; }
    const StationSettings &settings() const { return m_settings; }
    // The settings file: quillet.ini beside the program, or installed, in the user's folder.
    QString settingsPath() const;
    const ChannelTable &channels() const { return m_channels; }
    ChannelSelector &channelSelector() { return m_selector; }
    MessageLog &log() { return m_log; }
    AlarmState &alarms() { return m_alarms; }
    DscTransport &transport() { return *m_transport; }

    // Binds the DSC receive port; throws std::runtime_error with the reason.
    void startReceiving();
    // Sends both datagrams of a call in the station's mode; a refused send
    // throws SocketError and the datagram after it is not sent. A mode other
    // than 0 and 1 sends nothing and throws ModeError.
    void send(const OutgoingCall &call);
    // One datagram as received: logged as the log's new bottom row, its
    // alarm raised.
    void receive(const QByteArray &datagram);

    // A new simulated fix of the station's position, taken now.
    PositionFix drawFix();
    // A channel's voice ports: the base port plus the row's offsets.
    struct VoicePorts
    {
        qint64 receive = 0;
        qint64 transmit = 0;
        static bool isPort(qint64 port) { return port >= 1 && port <= 65535; }
        // 0 where the sum is no port: that stream stays closed.
        quint16 receivePort() const { return isPort(receive) ? quint16(receive) : 0; }
        quint16 transmitPort() const { return isPort(transmit) ? quint16(transmit) : 0; }
        bool valid() const { return isPort(receive) && isPort(transmit); }
    };
    VoicePorts voicePorts(int row) const;

    // Which acknowledgements fit a row of the log.
    std::array<bool, 6> acknowledgementsFor(int row) const;
    // Whatever became of sending it (call may be null when the trainee did
    // not send one), the row is marked handled and its alarm stops; then a
    // refused send throws SocketError.
    void acknowledge(int row, AckKind kind, const OutgoingCall *call);

signals:
    void callLogged(int row);

private:
    StationEnvironment m_environment;
    StationSettings m_settings;
    ChannelTable m_channels;
    ChannelSelector m_selector;
    MessageLog m_log;
    AlarmState m_alarms;
    std::unique_ptr<DscTransport> m_transport;
};

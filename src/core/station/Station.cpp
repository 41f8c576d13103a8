#include "Station.h"

#include "core/config/IniFile.h"
#include "core/config/SettingsKeys.h"
#include "core/dsc/AckBuilder.h"
#include "core/dsc/DatagramParser.h"
#include "core/dsc/UdpDscTransport.h"
#include "core/log/LogRules.h"
#include "core/net/SocketError.h"
#include "core/text/Ascii.h"

#include <exception>

Station::Station(StationEnvironment environment, std::unique_ptr<DscTransport> transport, QObject *parent)
    : QObject(parent), m_environment(std::move(environment)), m_selector(ChannelTable::Rows),
      m_transport(transport ? std::move(transport) : std::make_unique<UdpDscTransport>())
{
    // Datagrams are handled here, one at a time, in arrival order.
    connect(m_transport.get(), &DscTransport::datagramReceived, this, &Station::receive);
}

Station::~Station() = default;

QString Station::settingsPath() const
{
    return m_environment.settingsFolder() + settings_keys::FileName;
}

QStringList Station::configure()
{
    m_environment.prepareUserFolders();
    // Left by a write that a crash cut short.
    IniFile::removeStaleTemporaries(settingsPath());
    QStringList notices = reloadSettings();
    m_channels = ChannelTable::load(m_environment.channelTableFolders(), &notices);
    return notices;
}

QStringList Station::reloadSettings()
{
    QStringList notices;
    m_settings = StationSettings::load(IniFile(settingsPath()), &notices);
    return notices;
}

void Station::startReceiving()
{
    m_transport->startReceiving();
}

void Station::send(const OutgoingCall &call)
{
    if (m_settings.mode != 0 && m_settings.mode != 1)
        throw ModeError(QStringLiteral("Mode %1 in %2 is neither 0 (stand-alone) nor 1 (network): nothing was sent.")
                            .arg(m_settings.mode)
                            .arg(settingsPath()));
    if (!VoicePorts::isPort(m_settings.dataPort))
        throw SocketError(QStringLiteral("data_port %1 in %2 is outside 1 to 65535: nothing was sent.")
                              .arg(m_settings.dataPort)
                              .arg(settingsPath()));
    for (const DscDestination &d : dsc_destinations(call.writer, m_settings.mode, m_settings.dataPort))
        m_transport->send(d, datagram_text(call.writer, call.call, m_settings.stationMmsi, d.order));
}

void Station::receive(const QByteArray &datagram)
{
    InterpretedCall interpreted =
        interpret_call(parse_datagram(ascii_decode(datagram)), m_settings.stationMmsi, m_settings.groupMmsi);
    interpreted.cells[size_t(LogColumn::Received)] = m_environment.now().toString(QStringLiteral("HH:mm:ss"));
    const int row = m_log.append(LogRow(interpreted.cells, interpreted.marker));
    m_alarms.raise(interpreted.alarm);
    emit callLogged(row);
}

PositionFix Station::drawFix()
{
    return PositionFix::draw(m_settings, m_environment);
}

Station::VoicePorts Station::voicePorts(int row) const
{
    const ChannelEntry &entry = m_channels.row(row);
    return {qint64(m_settings.basePort) + entry.rxPortOffset, qint64(m_settings.basePort) + entry.txPortOffset};
}

std::array<bool, 6> Station::acknowledgementsFor(int row) const
{
    const LogRow &r = m_log.row(row);
    return ack_availability(r.cell(LogColumn::To), r.cell(LogColumn::Format), r.cell(LogColumn::Category),
                            r.cell(LogColumn::Information), m_settings.stationMmsi);
}

void Station::acknowledge(int row, AckKind kind, const OutgoingCall *call)
{
    std::exception_ptr failure;
    if (call) {
        try {
            send(*call);
        } catch (...) {
            failure = std::current_exception();
        }
    }
    const ack_builder::Handled after = ack_builder::handled(kind);
    m_log.markHandled(row, after.marker, ack_builder::HandledBackground);
    m_alarms.clear(after.alarm);
    if (failure)
        std::rethrow_exception(failure);
}

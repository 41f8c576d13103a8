#include "RadioPage.h"

#include "MessageLibraryPanel.h"
#include "Modal.h"
#include "core/station/Station.h"
#include "look/Pictures.h"
#include "look/StationFont.h"
#include "voice/VoiceEngine.h"
#include "voice/VoiceReceiver.h"
#include "widgets/StationControls.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace station_controls;

RadioPage::RadioPage(Station &station, VoiceEngine &engine, const QString &messageFolder, QWidget *parent)
    : QWidget(parent), m_station(station), m_engine(engine)
{
    setObjectName(QStringLiteral("page_vhf"));
    channelFrame = frame(this, "GroupBox1", QStringLiteral(" Channel Selector "), QRect(4, 4, 300, 200));
    channelDisplay = new QWidget(channelFrame);
    channelDisplay->setObjectName(QStringLiteral("pnl_channel"));
    channelDisplay->setGeometry(10, 22, 180, 100);
    channelDisplay->setAutoFillBackground(true);
    QPalette lcd = channelDisplay->palette();
    lcd.setColor(QPalette::Window, QColor(150, 210, 170));
    lcd.setColor(QPalette::WindowText, QColor(16, 48, 24));
    channelDisplay->setPalette(lcd);
    channelLabel = plain_label(channelDisplay, "lbl_channel", QString(), QRect(40, 8, 100, 60));
    channelLabel->setAlignment(Qt::AlignCenter);
    channelLabel->setFont(station_font_px(48, true));
    modeLabel = plain_label(channelDisplay, "lbl_mode", QString(), QRect(8, 72, 164, 20));
    modeLabel->setAlignment(Qt::AlignCenter);
    transmitIndicator = plain_label(channelDisplay, "lbl_TX", QStringLiteral("TX"), QRect(6, 6, 24, 16));
    transmitIndicator->hide();
    receiveIndicator = plain_label(channelDisplay, "lbl_RX", QStringLiteral("RX"), QRect(150, 6, 24, 16));
    receiveIndicator->hide();

    ChannelSelector &selector = station.channelSelector();
    upButton = bold_button(channelFrame, "btn_UP", QStringLiteral("UP"), QRect(200, 22, 90, 30));
    downButton = bold_button(channelFrame, "btn_down", QStringLiteral("DWN"), QRect(200, 57, 90, 30));
    channel16Button = bold_button(channelFrame, "btn_16", QStringLiteral("16"), QRect(200, 92, 90, 30));
    connect(upButton, &QPushButton::clicked, &selector, &ChannelSelector::next);
    connect(downButton, &QPushButton::clicked, &selector, &ChannelSelector::previous);
    connect(channel16Button, &QPushButton::clicked, &selector, [&selector] { selector.select(16); });
    // The shortcut buttons: caption and the channel table row they select.
    const std::pair<const char *, int> shortcuts[] = {{"06", 6},  {"09", 9},  {"72", 40},
                                                      {"77", 45}, {"80", 48}, {"84", 52}};
    for (int i = 0; i < 6; ++i) {
        shortcutButtons[i] = bold_button(channelFrame, qPrintable(QStringLiteral("btn_ch%1").arg(i + 1)),
                                         QLatin1String(shortcuts[i].first), QRect(10 + i * 47, 135, 43, 28));
        connect(shortcutButtons[i], &QPushButton::clicked, &selector,
                [&selector, row = shortcuts[i].second] { selector.select(row); });
    }
    connect(&selector, &ChannelSelector::tuned, this, &RadioPage::tuned);

    consoleFrame = frame(this, "GroupBox2", QStringLiteral(" Console "), QRect(4, 210, 300, 214));
    radioPicture = plain_label(consoleFrame, "Image1", QString(), QRect(20, 24, 110, 170));
    radioPicture->setPixmap(pictures::radio(radioPicture->size()));
    radioPicture->setAccessibleName(QStringLiteral("VHF radio"));
    pushToTalk = plain_label(consoleFrame, "img_btn_ptt", QString(), QRect(160, 54, 110, 110));
    pushToTalk->setPixmap(pictures::push_to_talk(pushToTalk->size(), false));
    pushToTalk->setCursor(Qt::PointingHandCursor);
    pushToTalk->setAccessibleName(QStringLiteral("Push to talk"));
    pushToTalk->installEventFilter(this);
    bindAddresses = new QComboBox(consoleFrame);
    bindAddresses->setObjectName(QStringLiteral("ComboBox1"));
    bindAddresses->addItem(QStringLiteral("0.0.0.0"));
    bindAddresses->hide();

    m_library = new MessageLibraryPanel(engine, messageFolder, this);
    m_library->setGeometry(310, 4, 524, 420);
    connect(m_library, &MessageLibraryPanel::busyChanged, channelFrame,
            [this](bool busy) { channelFrame->setEnabled(!busy); });
    connect(m_library, &MessageLibraryPanel::pushToTalkAllowed, pushToTalk, &QWidget::setEnabled);
    connect(m_library, &MessageLibraryPanel::transmitting, transmitIndicator, &QWidget::setVisible);

    receiveTimer = new QTimer(this);
    receiveTimer->setObjectName(QStringLiteral("Timer_busy"));
    receiveTimer->setInterval(200);
    connect(receiveTimer, &QTimer::timeout, this, &RadioPage::checkVoiceStillArriving);
    connect(&engine, &VoiceEngine::voiceActivity, this, &RadioPage::voiceArrived);
}

void RadioPage::showStartChannel()
{
    const int row = m_station.channelSelector().row();
    const ChannelEntry &entry = m_station.channels().row(row);
    bool number = false;
    const int channel = entry.channel.str().toInt(&number);
    // Without a channel table the display stays empty.
    channelLabel->setText(number ? QString::asprintf("%.2d", channel) : QString());
    modeLabel->setText(entry.mode);
    const Station::VoicePorts ports = checkedPorts(row);
    m_engine.setPorts(ports.receivePort(), ports.transmitPort());
}

void RadioPage::tuned(int row)
{
    const ChannelEntry &entry = m_station.channels().row(row);
    channelLabel->setText(entry.channel);
    modeLabel->setText(entry.mode);
    const Station::VoicePorts ports = checkedPorts(row);
    m_engine.tune(ports.receivePort(), ports.transmitPort());
}

Station::VoicePorts RadioPage::checkedPorts(int row)
{
    const Station::VoicePorts ports = m_station.voicePorts(row);
    // Said once: after that the station goes on, silent on such channels.
    if (!ports.valid() && !m_portReported) {
        m_portReported = true;
        const qint64 bad = Station::VoicePorts::isPort(ports.receive) ? ports.transmit : ports.receive;
        modal::show_error(QStringLiteral("Voice port %1 of channel row %2 is outside 1 to 65535: check base_port "
                                         "in %3 and the port offsets in %4. The channel stays silent.")
                              .arg(bad)
                              .arg(row)
                              .arg(m_station.settingsPath(), ChannelTable::resourceName()));
    }
    return ports;
}

void RadioPage::setBindAddresses(const QStringList &addresses, int index)
{
    bindAddresses->clear();
    bindAddresses->addItems(addresses);
    bindAddresses->setCurrentIndex(index >= 0 && index < addresses.size() ? index : -1);
    m_engine.setReceiveBindAddress(bindAddresses->currentText());
}

QString RadioPage::receiveBindAddress() const
{
    return bindAddresses->currentText();
}

bool RadioPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == pushToTalk) {
        if (event->type() == QEvent::MouseButtonPress) {
            pushToTalkPressed();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            pushToTalkReleased();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RadioPage::pushToTalkPressed()
{
    // The picture shows the pressed button; the widget itself stays, so the
    // release still reaches it.
    pushToTalk->setPixmap(pictures::push_to_talk(pushToTalk->size(), true));
    transmitIndicator->show();
    if (m_engine.startTalking() != VoiceEngine::Talk::Started)
        modal::message(window(), QMessageBox::Information, QStringLiteral("Please check audio source (microphone) !"));
}

void RadioPage::pushToTalkReleased()
{
    pushToTalk->setPixmap(pictures::push_to_talk(pushToTalk->size(), false));
    transmitIndicator->hide();
    m_engine.stopTalking();
}

void RadioPage::voiceArrived()
{
    if (!receiveTimer->isActive()) {
        receiveTimer->start();
        receiveIndicator->show();
    }
}

void RadioPage::checkVoiceStillArriving()
{
    const int count = m_engine.receiver().packetsReceived();
    if (count > m_packetsSeen) {
        m_packetsSeen = count;
        return;
    }
    receiveIndicator->hide();
    receiveTimer->stop();
    m_packetsSeen = 0;
}

#include "RadioPage.h"

#include "MessageLibraryPanel.h"
#include "Modal.h"
#include "core/station/Station.h"
#include "look/Pictures.h"
#include "look/StationFont.h"
#include "voice/VoiceEngine.h"
#include "voice/VoiceReceiver.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}
} // namespace

RadioPage::RadioPage(Station &station, VoiceEngine &engine, const QString &messageFolder, QWidget *parent)
    : QWidget(parent), m_station(station), m_engine(engine)
{
    setObjectName(QStringLiteral("page_vhf"));
    GroupBox1 = new QGroupBox(QStringLiteral(" Channel Selector "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(4, 4, 300, 200);
    pnl_channel = new QWidget(GroupBox1);
    pnl_channel->setObjectName(QStringLiteral("pnl_channel"));
    pnl_channel->setGeometry(10, 22, 180, 100);
    pnl_channel->setAutoFillBackground(true);
    QPalette lcd = pnl_channel->palette();
    lcd.setColor(QPalette::Window, QColor(150, 210, 170));
    lcd.setColor(QPalette::WindowText, QColor(16, 48, 24));
    pnl_channel->setPalette(lcd);
    lbl_channel = makeLabel(pnl_channel, "lbl_channel", QString(), QRect(40, 8, 100, 60));
    lbl_channel->setAlignment(Qt::AlignCenter);
    lbl_channel->setFont(station_font_px(48, true));
    lbl_mode = makeLabel(pnl_channel, "lbl_mode", QString(), QRect(8, 72, 164, 20));
    lbl_mode->setAlignment(Qt::AlignCenter);
    lbl_TX = makeLabel(pnl_channel, "lbl_TX", QStringLiteral("TX"), QRect(6, 6, 24, 16));
    lbl_TX->hide();
    lbl_RX = makeLabel(pnl_channel, "lbl_RX", QStringLiteral("RX"), QRect(150, 6, 24, 16));
    lbl_RX->hide();

    ChannelSelector &selector = station.channelSelector();
    btn_UP = makeButton(GroupBox1, "btn_UP", QStringLiteral("UP"), QRect(200, 22, 90, 30));
    btn_down = makeButton(GroupBox1, "btn_down", QStringLiteral("DWN"), QRect(200, 57, 90, 30));
    btn_16 = makeButton(GroupBox1, "btn_16", QStringLiteral("16"), QRect(200, 92, 90, 30));
    connect(btn_UP, &QPushButton::clicked, &selector, &ChannelSelector::next);
    connect(btn_down, &QPushButton::clicked, &selector, &ChannelSelector::previous);
    connect(btn_16, &QPushButton::clicked, &selector, [&selector] { selector.select(16); });
    // The shortcut buttons: caption and the channel table row they select.
    const std::pair<const char *, int> shortcuts[] = {{"06", 6}, {"09", 9}, {"72", 40}, {"77", 45}, {"80", 48}, {"84", 52}};
    for (int i = 0; i < 6; ++i) {
        btn_ch[i] = makeButton(GroupBox1, qPrintable(QStringLiteral("btn_ch%1").arg(i + 1)),
                               QLatin1String(shortcuts[i].first), QRect(10 + i * 47, 135, 43, 28));
        connect(btn_ch[i], &QPushButton::clicked, &selector, [&selector, row = shortcuts[i].second] { selector.select(row); });
    }
    connect(&selector, &ChannelSelector::tuned, this, &RadioPage::tuned);

    GroupBox2 = new QGroupBox(QStringLiteral(" Console "), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(4, 210, 300, 214);
    Image1 = makeLabel(GroupBox2, "Image1", QString(), QRect(20, 24, 110, 170));
    Image1->setPixmap(pictures::radio(Image1->size()));
    Image1->setAccessibleName(QStringLiteral("VHF radio"));
    img_btn_ptt = makeLabel(GroupBox2, "img_btn_ptt", QString(), QRect(160, 54, 110, 110));
    img_btn_ptt->setPixmap(pictures::push_to_talk(img_btn_ptt->size(), false));
    img_btn_ptt->setCursor(Qt::PointingHandCursor);
    img_btn_ptt->setAccessibleName(QStringLiteral("Push to talk"));
    img_btn_ptt->installEventFilter(this);
    ComboBox1 = new QComboBox(GroupBox2);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItem(QStringLiteral("0.0.0.0"));
    ComboBox1->hide();

    m_library = new MessageLibraryPanel(engine, messageFolder, this);
    m_library->setGeometry(310, 4, 524, 420);
    connect(m_library, &MessageLibraryPanel::busyChanged, GroupBox1, [this](bool busy) { GroupBox1->setEnabled(!busy); });
    connect(m_library, &MessageLibraryPanel::pushToTalkAllowed, img_btn_ptt, &QWidget::setEnabled);
    connect(m_library, &MessageLibraryPanel::transmitting, lbl_TX, &QWidget::setVisible);

    Timer_busy = new QTimer(this);
    Timer_busy->setObjectName(QStringLiteral("Timer_busy"));
    Timer_busy->setInterval(200);
    connect(Timer_busy, &QTimer::timeout, this, &RadioPage::checkVoiceStillArriving);
    connect(&engine, &VoiceEngine::voiceActivity, this, &RadioPage::voiceArrived);
}

void RadioPage::showStartChannel()
{
    const int row = m_station.channelSelector().row();
    const ChannelEntry &entry = m_station.channels().row(row);
    bool number = false;
    const int channel = entry.channel.str().toInt(&number);
    // Without a channel table the display stays empty.
    lbl_channel->setText(number ? QString::asprintf("%.2d", channel) : QString());
    lbl_mode->setText(entry.mode);
    m_engine.setPorts(m_station.receivePort(row), m_station.transmitPort(row));
}

void RadioPage::tuned(int row)
{
    const ChannelEntry &entry = m_station.channels().row(row);
    lbl_channel->setText(entry.channel);
    lbl_mode->setText(entry.mode);
    m_engine.tune(m_station.receivePort(row), m_station.transmitPort(row));
}

void RadioPage::setBindAddresses(const QStringList &addresses, int index)
{
    ComboBox1->clear();
    ComboBox1->addItems(addresses);
    ComboBox1->setCurrentIndex(index >= 0 && index < addresses.size() ? index : -1);
    m_engine.setReceiveBindAddress(ComboBox1->currentText());
}

QString RadioPage::receiveBindAddress() const
{
    return ComboBox1->currentText();
}

bool RadioPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == img_btn_ptt) {
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
    img_btn_ptt->setPixmap(pictures::push_to_talk(img_btn_ptt->size(), true));
    lbl_TX->show();
    if (m_engine.startTalking() != VoiceEngine::Talk::Started)
        modal::message(window(), QMessageBox::Information, QStringLiteral("Please check audio source (microphone) !"));
}

void RadioPage::pushToTalkReleased()
{
    img_btn_ptt->setPixmap(pictures::push_to_talk(img_btn_ptt->size(), false));
    lbl_TX->hide();
    m_engine.stopTalking();
}

void RadioPage::voiceArrived()
{
    if (!Timer_busy->isActive()) {
        Timer_busy->start();
        lbl_RX->show();
    }
}

void RadioPage::checkVoiceStillArriving()
{
    const int count = m_engine.receiver().packetsReceived();
    if (count > m_packetsSeen) {
        m_packetsSeen = count;
        return;
    }
    lbl_RX->hide();
    Timer_busy->stop();
    m_packetsSeen = 0;
}

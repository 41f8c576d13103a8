#include "Unit1.h"

#include "About.h"
#include "globals.h"
#include "setup.h"
#include "dsc/call_composers.h"
#include "dsc/dsc_protocol.h"
#include "platform/Ascii.h"
#include "platform/BroadcastReceiver.h"
#include "platform/BroadcastSender.h"
#include "platform/Tc_form_common_audioConfig.h"
#include "platform/UdpClient.h"
#include "platform/WaveCodecDevice.h"
#include "platform/WaveInDevice.h"
#include "platform/WaveOutDevice.h"
#include "radio/Carica_risorse.h"
#include "audio_library/a_player.h"
#include "platform/WaveFileReader.h"
#include "platform/WaveResampler.h"
#include "platform/UdpServer.h"
#include "reception/CategoryAlarm.h"
#include "reception/ack_availability.h"
#include "reception/ack_composers.h"
#include "reception/ricezione_dati.h"
#include "platform/CurvyPanel.h"
#include "platform/IniFile.h"
#include "platform/MessageGrid.h"
#include "platform/Modal.h"
#include "platform/Pictures.h"
#include "platform/StationFont.h"
#include "platform/WindowPosition.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QFileSystemModel>
#include <QListView>
#include <QStorageInfo>
#include <QTreeView>
#include <QMenuBar>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QThread>
#include <QTimer>

TForm1 *Form1 = nullptr;

namespace {

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                        bool bold)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    if (bold) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
    }
    return button;
}

QGroupBox *makeGroup(QWidget *parent, const char *name, const QString &title, const QRect &geometry)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    return group;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Runs a handler; an error it does not catch reaches the user in the
// standard error box, and the program goes on.
template <typename Handler>
void guarded(Handler handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        modal::show_error(QString::fromStdString(error.what()));
    }
}

QTimer *makeTimer(QObject *parent, const char *name, int interval)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    return timer;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("DSC - Quillet"));
    setWindowIcon(pictures::program_icon(64));
    setFont(station_font(8));

    buildMenu();
    AdvPanel1 = new QWidget(this);
    AdvPanel1->setObjectName(QStringLiteral("AdvPanel1"));
    AdvPanel1->setAutoFillBackground(true);
    QPalette panelPalette = AdvPanel1->palette();
    panelPalette.setColor(QPalette::Window, QColor(191, 219, 255));
    AdvPanel1->setPalette(panelPalette);
    setCentralWidget(AdvPanel1);

    pager = new QTabWidget(AdvPanel1);
    pager->setObjectName(QStringLiteral("pager"));
    pager->setGeometry(4, 4, 840, 459);
    page_message = new QWidget(pager);
    page_message->setObjectName(QStringLiteral("page_message"));
    page_vhf = new QWidget(pager);
    page_vhf->setObjectName(QStringLiteral("page_vhf"));
    pager->addTab(page_message, QStringLiteral(" DSC Messages  "));
    pager->addTab(page_vhf, QStringLiteral("VHF Radio"));
    pager->setCurrentIndex(0);

    buildMessagePage();
    buildRadioPage();
    buildAlarmPanels();
    buildStatusBar();

    timer_distress = makeTimer(this, "timer_distress", 300);
    timer_routine = makeTimer(this, "timer_routine", 300);
    timer_request = makeTimer(this, "timer_request", 300);
    timer_report = makeTimer(this, "timer_report", 300);
    Timer_busy = makeTimer(this, "Timer_busy", 200);
    timer_player = makeTimer(this, "timer_player", 100);

    alarm_distress = new CategoryAlarm(pnl_distress, timer_distress, distress_colour, QColor(255, 0, 0), this);
    alarm_routine = new CategoryAlarm(pnl_routine, timer_routine, routine_colour, QColor(0, 255, 0), this);
    alarm_request = new CategoryAlarm(pnl_request, timer_request, request_colour, QColor(255, 255, 0), this);
    alarm_report = new CategoryAlarm(pnl_report, timer_report, report_colour, QColor(0, 255, 255), this);
    connect(timer_distress, &QTimer::timeout, this, &TForm1::timer_distressTimer);
    connect(timer_routine, &QTimer::timeout, this, &TForm1::timer_routineTimer);
    connect(timer_request, &QTimer::timeout, this, &TForm1::timer_requestTimer);
    connect(timer_report, &QTimer::timeout, this, &TForm1::timer_reportTimer);

    UDP_TX = new UdpClient(this);
    UDP_RX = new UdpServer(dsc::ReceivePort, this);
    // Datagrams are handled here on the GUI thread, one at a time, in arrival order.
    connect(UDP_RX, &UdpServer::datagramReceived, this, &TForm1::UDP_RXUDPRead);
    connect(message_grid, &MessageGrid::clickCell, this, &TForm1::message_gridClickCell);

    const std::pair<QPushButton *, void (TForm1::*)()> handlers[] = {
        {spb_routine, &TForm1::spb_routineClick},   {spb_group, &TForm1::spb_groupClick},
        {spb_safety, &TForm1::spb_safetyClick},     {spb_urgency, &TForm1::spb_urgencyClick},
        {spb_distress, &TForm1::spb_distressClick}, {spb_posreq, &TForm1::spb_posreqClick},
        {spb_posrep, &TForm1::spb_posrepClick},     {spbpoll, &TForm1::spbpollClick},
        {spb_test, &TForm1::spb_testClick},         {spb_distAck, &TForm1::spb_distAckClick},
        {spb_RoutineACK, &TForm1::spb_RoutineACKClick}, {spb_testAck, &TForm1::spb_testAckClick},
        {spb_pollAck, &TForm1::spb_pollAckClick},   {spb_PosAck, &TForm1::spb_PosAckClick},
        {spb_posRepAck, &TForm1::spb_posRepAckClick},
    };
    for (const auto &[button, handler] : handlers)
        connect(button, &QPushButton::clicked, this, handler);

    // The client area is fixed; the menu bar sits above it.
    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());

    buildVoiceChains();
    FormCreate();
    // Lives for the whole run; the show step loads the saved choice into it.
    audioConfig = new Tc_form_common_audioConfig(this);
}

void TForm1::buildVoiceChains()
{
    // Audio runs on a thread of its own, so a busy window (a flood of calls,
    // a modal dialog) never makes the voice stutter.
    m_audioThread = new QThread(this);
    m_audioThread->setObjectName(QStringLiteral("audio"));
    InDevice1 = new WaveInDevice;
    Encoder = new WaveCodecDevice(WaveCodecDevice::Encode);
    BroadcastTX = new BroadcastSender;
    BroadcastRX = new BroadcastReceiver;
    decoder = new WaveCodecDevice(WaveCodecDevice::Decode);
    OutDevice1 = new WaveOutDevice;
    WaveRead2 = new WaveFileReader;
    Resampler2 = new WaveResampler;
    OutDevice2 = new WaveOutDevice;
    InDevice1->setConsumer(Encoder);
    WaveRead2->setConsumer(Resampler2);
    Resampler2->setConsumer(OutDevice2);
    Encoder->setConsumer(BroadcastTX);
    BroadcastRX->setConsumer(decoder);
    decoder->setConsumer(OutDevice1);
    const std::pair<AudioComponent *, const char *> stages[] = {
        {InDevice1, "InDevice1"}, {Encoder, "Encoder"}, {BroadcastTX, "BroadcastTX"},
        {BroadcastRX, "BroadcastRX"}, {decoder, "decoder"}, {OutDevice1, "OutDevice1"},
        {WaveRead2, "WaveRead2"}, {Resampler2, "Resampler2"}, {OutDevice2, "OutDevice2"}};
    for (const auto &[stage, name] : stages) {
        stage->setObjectName(QLatin1String(name));
        stage->moveToThread(m_audioThread);
    }
    BroadcastTX->setPort(QStringLiteral("17000"));
    BroadcastTX->setBindAddress(QStringLiteral("0.0.0.0"));
    BroadcastRX->setPort(QStringLiteral("17016"));
    // The indicator is the window's: the event reaches it on this thread.
    connect(decoder, &AudioComponent::dataAvailable, this, &TForm1::decoderDataAvailable, Qt::QueuedConnection);
    connect(Timer_busy, &QTimer::timeout, this, &TForm1::Timer_busyTimer);
    connect(timer_player, &QTimer::timeout, this, &TForm1::timer_playerTimer);
    m_audioThread->start();
}

TForm1::~TForm1()
{
    // FormDestroy: release the settings accessor; the receivers, timers and
    // other children go with the window.
    m_destroying = true;
    f_ini.reset();
    UDP_RX->deactivate();
    const std::initializer_list<AudioComponent *> stages{InDevice1,  Encoder,   BroadcastTX, BroadcastRX, decoder,
                                                         OutDevice1, WaveRead2, Resampler2,  OutDevice2};
    for (AudioComponent *stage : stages)
        stage->close();
    for (AudioComponent *stage : stages)
        stage->setConsumer(nullptr);
    for (AudioComponent *stage : stages)
        stage->deleteLater(); // on the audio thread, as it finishes
    m_audioThread->quit();
    m_audioThread->wait();
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::buildMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File1"));
    Exit1 = file->addAction(QStringLiteral("&Exit"), this, &TForm1::Exit1Click);
    Exit1->setObjectName(QStringLiteral("Exit1"));

    QMenu *setup = menuBar()->addMenu(QStringLiteral("Setup"));
    setup->setObjectName(QStringLiteral("opt_setup"));
    Setup = setup->addAction(QStringLiteral("Radio"), this, &TForm1::SetupClick);
    Setup->setObjectName(QStringLiteral("Setup"));
    Audio1 = setup->addAction(QStringLiteral("Audio"), this, &TForm1::Audio1Click);
    Audio1->setObjectName(QStringLiteral("Audio1"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    About1 = help->addAction(QStringLiteral("About"), this, &TForm1::About1Click);
    About1->setObjectName(QStringLiteral("About1"));
}

void TForm1::buildMessagePage()
{
    message_grid = new MessageGrid(page_message);
    message_grid->setObjectName(QStringLiteral("message_grid"));
    message_grid->setGeometry(4, 4, 830, 318);
    message_grid->gridModel()->setHeaders({QString(), QStringLiteral("Received"), QStringLiteral("From"),
                                           QStringLiteral("To"), QStringLiteral("Format"),
                                           QStringLiteral("Category"), QStringLiteral("Informations"),
                                           QStringLiteral("Nature"), QStringLiteral("Latitude"),
                                           QStringLiteral("Longitude"), QStringLiteral("POS Time"),
                                           QStringLiteral("CH")});
    message_grid->setAccessibleName(QStringLiteral("Message log"));

    AdvGroupBox1 = makeGroup(page_message, "AdvGroupBox1", QStringLiteral("  DSC Call  "), QRect(4, 328, 416, 94));
    const int x[] = {7, 87, 167, 247, 327};
    spb_routine = makeButton(AdvGroupBox1, "spb_routine", QStringLiteral("ROUTINE"), QRect(x[0], 25, 75, 25), true);
    spb_group = makeButton(AdvGroupBox1, "spb_group", QStringLiteral("GROUP"), QRect(x[1], 25, 75, 25), true);
    spb_safety = makeButton(AdvGroupBox1, "spb_safety", QStringLiteral("SAFETY"), QRect(x[2], 25, 75, 25), true);
    spb_urgency = makeButton(AdvGroupBox1, "spb_urgency", QStringLiteral("URGENCY"), QRect(x[3], 25, 75, 25), true);
    spb_distress = makeButton(AdvGroupBox1, "spb_distress", QStringLiteral("DISTRESS"), QRect(x[4], 25, 75, 25), true);
    spb_posreq = makeButton(AdvGroupBox1, "spb_posreq", QStringLiteral("POS REQ"), QRect(x[0], 56, 75, 25), true);
    spb_posrep = makeButton(AdvGroupBox1, "spb_posrep", QStringLiteral("POS RPT"), QRect(x[1], 56, 75, 25), true);
    spbpoll = makeButton(AdvGroupBox1, "spbpoll", QStringLiteral("POLLING"), QRect(x[2], 56, 75, 25), true);
    spb_test = makeButton(AdvGroupBox1, "spb_test", QStringLiteral("TEST"), QRect(x[3], 56, 75, 25), true);

    AdvGroupBox3 = makeGroup(page_message, "AdvGroupBox3", QStringLiteral("  DSC Acknowledgement"),
                             QRect(426, 328, 408, 94));
    spb_distAck = makeButton(AdvGroupBox3, "spb_distAck", QStringLiteral("DISTRESS ACK"), QRect(7, 25, 90, 25), true);
    spb_RoutineACK = makeButton(AdvGroupBox3, "spb_RoutineACK", QStringLiteral("ROUTINE ACK"), QRect(103, 25, 90, 25), true);
    spb_testAck = makeButton(AdvGroupBox3, "spb_testAck", QStringLiteral("TEST ACK"), QRect(200, 25, 90, 25), true);
    spb_pollAck = makeButton(AdvGroupBox3, "spb_pollAck", QStringLiteral("POLLING ACK"), QRect(297, 26, 90, 25), true);
    spb_PosAck = makeButton(AdvGroupBox3, "spb_PosAck", QStringLiteral("POS REQ ACK"), QRect(7, 56, 90, 25), true);
    spb_posRepAck = makeButton(AdvGroupBox3, "spb_posRepAck", QStringLiteral("POS RPT ACK"), QRect(103, 56, 90, 25), true);
    for (QPushButton *b : {spb_distAck, spb_RoutineACK, spb_testAck, spb_pollAck, spb_PosAck, spb_posRepAck})
        b->setEnabled(false);
}

void TForm1::buildRadioPage()
{
    GroupBox1 = makeGroup(page_vhf, "GroupBox1", QStringLiteral(" Channel Selector "), QRect(4, 4, 300, 200));
    pnl_channel = new QWidget(GroupBox1);
    pnl_channel->setObjectName(QStringLiteral("pnl_channel"));
    pnl_channel->setGeometry(10, 22, 180, 100);
    pnl_channel->setAutoFillBackground(true);
    QPalette lcd = pnl_channel->palette();
    lcd.setColor(QPalette::Window, QColor(150, 210, 170));
    lcd.setColor(QPalette::WindowText, QColor(16, 48, 24));
    pnl_channel->setPalette(lcd);
    lbl_channel = makeLabel(pnl_channel, "lbl_channel", QString());
    lbl_channel->setGeometry(40, 8, 100, 60);
    lbl_channel->setAlignment(Qt::AlignCenter);
    lbl_channel->setFont(station_font_px(48, true));
    lbl_mode = makeLabel(pnl_channel, "lbl_mode", QString());
    lbl_mode->setGeometry(8, 72, 164, 20);
    lbl_mode->setAlignment(Qt::AlignCenter);
    lbl_TX = makeLabel(pnl_channel, "lbl_TX", QStringLiteral("TX"));
    lbl_TX->setGeometry(6, 6, 24, 16);
    lbl_TX->hide();
    lbl_RX = makeLabel(pnl_channel, "lbl_RX", QStringLiteral("RX"));
    lbl_RX->setGeometry(150, 6, 24, 16);
    lbl_RX->hide();

    btn_UP = makeButton(GroupBox1, "btn_UP", QStringLiteral("UP"), QRect(200, 22, 90, 30), true);
    btn_down = makeButton(GroupBox1, "btn_down", QStringLiteral("DWN"), QRect(200, 57, 90, 30), true);
    btn_16 = makeButton(GroupBox1, "btn_16", QStringLiteral("16"), QRect(200, 92, 90, 30), true);
    const char *names[] = {"btn_ch1", "btn_ch2", "btn_ch3", "btn_ch4", "btn_ch5", "btn_ch6"};
    const char *captions[] = {"06", "09", "72", "77", "80", "84"};
    for (int i = 0; i < 6; ++i)
        btn_ch[i] = makeButton(GroupBox1, names[i], QLatin1String(captions[i]),
                               QRect(10 + i * 47, 135, 43, 28), true);

    GroupBox2 = makeGroup(page_vhf, "GroupBox2", QStringLiteral(" Console "), QRect(4, 210, 300, 214));
    Image1 = makeLabel(GroupBox2, "Image1", QString());
    Image1->setGeometry(20, 24, 110, 170);
    Image1->setPixmap(pictures::radio(Image1->size()));
    Image1->setAccessibleName(QStringLiteral("VHF radio"));
    img_btn_ptt = makeLabel(GroupBox2, "img_btn_ptt", QString());
    img_btn_ptt->setGeometry(160, 54, 110, 110);
    img_btn_ptt->setPixmap(pictures::push_to_talk(img_btn_ptt->size(), false));
    img_btn_ptt->setCursor(Qt::PointingHandCursor);
    img_btn_ptt->setAccessibleName(QStringLiteral("Push to talk"));
    img_btn_ptt->installEventFilter(this);
    ComboBox1 = new QComboBox(GroupBox2);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItem(QStringLiteral("0.0.0.0"));
    ComboBox1->hide();

    GroupBox3 = makeGroup(page_vhf, "GroupBox3", QStringLiteral(" Audio Files "), QRect(310, 4, 524, 420));
    driveSel = new QComboBox(GroupBox3);
    driveSel->setObjectName(QStringLiteral("driveSel"));
    driveSel->setGeometry(10, 24, 240, 24);
    driveSel->setAccessibleName(QStringLiteral("Drive"));
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !volume.isReadOnly())
            driveSel->addItem(volume.rootPath());
    folderModel = new QFileSystemModel(this);
    folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folderModel->setRootPath(QStringLiteral("/"));
    DirectorySel = new QTreeView(GroupBox3);
    DirectorySel->setObjectName(QStringLiteral("DirectorySel"));
    DirectorySel->setGeometry(10, 54, 240, 310);
    DirectorySel->setModel(folderModel);
    DirectorySel->setHeaderHidden(true);
    for (int c = 1; c < folderModel->columnCount(); ++c)
        DirectorySel->hideColumn(c);
    DirectorySel->setAccessibleName(QStringLiteral("Folders"));
    fileModel = new QFileSystemModel(this);
    fileModel->setFilter(QDir::Files);
    fileModel->setNameFilters({QStringLiteral("*.wav")});
    fileModel->setNameFilterDisables(false);
    FileList = new QListView(GroupBox3);
    FileList->setObjectName(QStringLiteral("FileList"));
    FileList->setGeometry(258, 24, 256, 340);
    FileList->setModel(fileModel);
    FileList->setSelectionMode(QAbstractItemView::SingleSelection);
    FileList->setAccessibleName(QStringLiteral("Audio files"));
    connect(driveSel, &QComboBox::textActivated, this, [this](const QString &root) {
        DirectorySel->setRootIndex(folderModel->index(root));
    });
    connect(DirectorySel, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        QString error;
        show_audio_folder(*this, folderModel->filePath(index), &error);
    });
    const char *fileButtons[] = {"btn_play", "btn_stop", "btn_send", "btn_rename", "btn_delete"};
    const char *fileCaptions[] = {"Play", "Stop", "TX", "Edit", "Trash"};
    QPushButton **targets[] = {&btn_play, &btn_stop, &btn_send, &btn_rename, &btn_delete};
    for (int i = 0; i < 5; ++i)
        *targets[i] = makeButton(GroupBox3, fileButtons[i], QLatin1String(fileCaptions[i]),
                                 QRect(10 + i * 102, 376, 96, 30), true);
    btn_stop->setEnabled(false);
    btn_play->setToolTip(QStringLiteral("Play the selected audio"));
    btn_stop->setToolTip(QStringLiteral("Stop current playback"));
    btn_send->setToolTip(QStringLiteral("Broadcast selected audio"));
    btn_rename->setToolTip(QStringLiteral("Edit selected audio"));
    btn_delete->setToolTip(QStringLiteral("Delete selected audio"));
    const std::pair<QPushButton *, void (TForm1::*)()> fileHandlers[] = {
        {btn_play, &TForm1::btn_playClick},     {btn_stop, &TForm1::btn_stopClick},
        {btn_send, &TForm1::btn_sendClick},     {btn_rename, &TForm1::btn_renameClick},
        {btn_delete, &TForm1::btn_deleteClick}};
    for (const auto &[button, handler] : fileHandlers)
        connect(button, &QPushButton::clicked, this, handler);

    const std::pair<QPushButton *, void (TForm1::*)()> channelButtons[] = {
        {btn_UP, &TForm1::btn_UPClick},   {btn_down, &TForm1::btn_downClick}, {btn_16, &TForm1::btn_16Click},
        {btn_ch[0], &TForm1::btn_ch1Click}, {btn_ch[1], &TForm1::btn_ch2Click}, {btn_ch[2], &TForm1::btn_ch3Click},
        {btn_ch[3], &TForm1::btn_ch4Click}, {btn_ch[4], &TForm1::btn_ch5Click}, {btn_ch[5], &TForm1::btn_ch6Click}};
    for (const auto &[button, handler] : channelButtons)
        connect(button, &QPushButton::clicked, this, handler);
}

void TForm1::buildAlarmPanels()
{
    // Right of the page tabs, so they stay in sight on either page.
    const int width = 90, gap = 4;
    const int left = pager->geometry().right() - 4 * width - 3 * gap;
    auto make = [&](int i, const char *name, const QString &caption, const char *captionName) {
        auto *panel = new CurvyPanel(caption, QLatin1String(captionName), AdvPanel1);
        panel->setObjectName(QLatin1String(name));
        panel->setGeometry(left + i * (width + gap), 4, width, 24);
        panel->raise();
        return panel;
    };
    pnl_distress = make(0, "pnl_distress", QStringLiteral("DISTRESS"), "lbl_distress");
    pnl_routine = make(1, "pnl_routine", QStringLiteral("ROUTINE"), "lbl_routine");
    pnl_request = make(2, "pnl_request", QStringLiteral("REQUEST"), "Label1");
    pnl_report = make(3, "pnl_report", QStringLiteral("REPORT"), "lbl_report");
}

void TForm1::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const int widths[] = {150, 150, 150, 50};
    for (int i = 0; i < 4; ++i) {
        m_statusPanels[i] = makeLabel(bar, qPrintable(QStringLiteral("StatusPanel%1").arg(i)), QString());
        m_statusPanels[i]->setFixedWidth(widths[i]);
        bar->addWidget(m_statusPanels[i]);
    }
}

void TForm1::FormCreate()
{
    puntatore = 1;
    load_configuration(*this);
    load_channel_table();
    Inizializza_programma();
    f_ini = std::make_unique<IniFile>(configuration_path(), QStringLiteral("settings"));
    current_channel = 16;
}

void TForm1::Inizializza_programma()
{
    const char *natures[] = {"-", "UNDESIGNATED", "FIRE", "FLOODING", "COLLISION", "GROUNDING",
                             "CAPSIZING", "SINKING", "ADRIFT", "ABANDONING", "PIRACY", "MOB"};
    for (int i = 0; i < 12; ++i)
        nature_table[i] = QLatin1String(natures[i]);

    message_grid->setColWidth(1, 60);
    for (int c = 2; c <= 5; ++c)
        message_grid->setColWidth(c, 70);
    for (int c = 6; c <= 9; ++c)
        message_grid->setColWidth(c, 85);
    message_grid->setColWidth(10, 60);
    message_grid->setColWidth(11, 50);
    for (int c = 12; c <= 21; ++c)
        message_grid->setColWidth(c, 0);
    message_grid->setColWidth(0, 30);

    int sum = 0;
    for (int c = 0; c <= 11; ++c)
        sum += message_grid->colWidth(c);
    message_grid->resize(sum + 10, message_grid->height());
    pager->resize(sum + 20, pager->height());

    pnl_request->setColor(request_colour);
    pnl_report->setColor(report_colour);
    pnl_routine->setColor(routine_colour);
    pnl_distress->setColor(distress_colour);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TForm1::FormShow()
{
    audioConfig->setupUI(true, true, true);
    audioConfig->doLoadConfig(InDevice1, OutDevice1, Encoder, nullptr, f_ini.get(), QStringLiteral("waveAudio"));

    if (restore_position) {
        window_position::restore(*this, objectName(), *f_ini);
    } else {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const int screenWidth = screen ? screen->geometry().width() : 1024;
        move(screenWidth - frameGeometry().width() - 20, 20);
    }
    pager->setCurrentWidget(show_radio ? page_vhf : page_message);
    show_start_channel();
    QString folderError;
    show_audio_folder(*this, example_folder(), &folderError);

    try {
        UDP_RX->activate();
        BroadcastRX->open();
        btn_stop->setEnabled(false);
    } catch (const std::exception &error) {
        // No DSC reception; the station can still send. The voice receiver
        // opens at the next channel change.
        modal::show_error(QString::fromStdString(error.what()));
    }
    if (!folderError.isEmpty())
        modal::show_error(folderError);
}

void TForm1::btn_playClick()
{
    audio_play(*this);
}

void TForm1::btn_stopClick()
{
    audio_stop(*this);
}

void TForm1::btn_sendClick()
{
    audio_transmit(*this);
}

void TForm1::btn_renameClick()
{
    audio_rename(*this);
}

void TForm1::btn_deleteClick()
{
    audio_trash(*this);
}

void TForm1::timer_playerTimer()
{
    audio_player_tick(*this);
}

void TForm1::show_start_channel()
{
    const channel_entry &row = channel_table[qBound(1, current_channel, ChannelRows)];
    bool number = false;
    const int channel = row.channel.str().toInt(&number);
    // Without a channel table the display stays empty.
    lbl_channel->setText(number ? QString::asprintf("%.2d", channel) : QString());
    lbl_mode->setText(row.mode);
    BroadcastRX->setPort(QString::number(base_port + row.rx_port_offset));
    BroadcastTX->setPort(QString::number(base_port + row.tx_port_offset));
}

void TForm1::cambia_canale(int numero)
{
    if (numero == 100)
        current_channel = current_channel - 1 < 1 ? ChannelRows : current_channel - 1;
    else if (numero == 200)
        current_channel = current_channel + 1 > ChannelRows ? 1 : current_channel + 1;
    else
        current_channel = numero;
    const channel_entry &row = channel_table[qBound(1, current_channel, ChannelRows)];
    lbl_channel->setText(row.channel);
    lbl_mode->setText(row.mode);
    BroadcastRX->close();
    BroadcastTX->setPort(QString::number(base_port + row.tx_port_offset));
    BroadcastRX->setPort(QString::number(base_port + row.rx_port_offset));
    BroadcastRX->open();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == img_btn_ptt) {
        if (event->type() == QEvent::MouseButtonPress) {
            img_btn_pttMouseDown();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            img_btn_pttMouseUp();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::img_btn_pttMouseDown()
{
    // The picture shows the pressed button; the widget itself stays, so the
    // release still reaches it.
    img_btn_ptt->setPixmap(pictures::push_to_talk(img_btn_ptt->size(), true));
    lbl_TX->show();
    if (WaveInDevice::deviceCount() >= 1) {
        BroadcastRX->close();
        InDevice1->open();
        m_talking = true;
    } else {
        modal::message(this, QMessageBox::Information, QStringLiteral("Please check audio source (microphone) !"));
    }
}

void TForm1::img_btn_pttMouseUp()
{
    img_btn_ptt->setPixmap(pictures::push_to_talk(img_btn_ptt->size(), false));
    lbl_TX->hide();
    InDevice1->close();
    m_talking = false;
    BroadcastRX->open();
}

void TForm1::decoderDataAvailable()
{
    if (!Timer_busy->isActive()) {
        Timer_busy->start();
        lbl_RX->show();
    }
}

void TForm1::Timer_busyTimer()
{
    if (m_destroying)
        return;
    const int count = BroadcastRX->packetsReceived();
    if (count > rx_packet_count) {
        rx_packet_count = count;
        return;
    }
    lbl_RX->hide();
    Timer_busy->stop();
    rx_packet_count = 0;
}

void TForm1::rebind_receive_stream(const QString &address)
{
    BroadcastRX->close();
    BroadcastRX->setBindAddress(address);
    BroadcastRX->open();
}

void TForm1::Audio1Click()
{
    guarded([this] {
        audioConfig->doConfig(InDevice1, OutDevice1, Encoder, nullptr, f_ini.get(), QStringLiteral("waveAudio"), true,
                              true);
    });
}

void TForm1::UDP_RXUDPRead(const QByteArray &data)
{
    parse_datagram(ascii_decode(data));
    log_received_call();
}

void TForm1::message_gridClickCell(int row, int)
{
    const std::array<bool, 6> fits =
        ack_availability(message_grid->cell(3, row), message_grid->cell(4, row), message_grid->cell(5, row),
                         message_grid->cell(6, row), station_mmsi);
    QPushButton *buttons[] = {spb_distAck, spb_RoutineACK, spb_PosAck, spb_posRepAck, spb_pollAck, spb_testAck};
    for (int i = 0; i < 6; ++i) {
        buttons[i]->setEnabled(fits[i]);
        if (fits[i])
            sel_row = row;
    }
}

void TForm1::spb_routineClick()
{
    guarded([this] { compose_routine_call(this); });
}

void TForm1::spb_groupClick()
{
    guarded([this] { compose_group_call(this); });
}

void TForm1::spb_safetyClick()
{
    guarded([this] { compose_allships_call(this, AllShipsCall::Safety); });
}

void TForm1::spb_urgencyClick()
{
    guarded([this] { compose_allships_call(this, AllShipsCall::Urgency); });
}

void TForm1::spb_distressClick()
{
    guarded([this] { compose_distress_alert(this); });
}

void TForm1::spb_posreqClick()
{
    guarded([this] { compose_individual_call(this, IndividualCall::PositionRequest); });
}

void TForm1::spb_posrepClick()
{
    guarded([this] { compose_position_report(this); });
}

void TForm1::spbpollClick()
{
    guarded([this] { compose_individual_call(this, IndividualCall::Polling); });
}

void TForm1::spb_testClick()
{
    guarded([this] { compose_individual_call(this, IndividualCall::Test); });
}

void TForm1::spb_distAckClick()
{
    guarded([this] { acknowledge_distress(*this); });
}

void TForm1::spb_RoutineACKClick()
{
    guarded([this] { acknowledge_routine(*this); });
}

void TForm1::spb_testAckClick()
{
    guarded([this] { acknowledge_test(*this); });
}

void TForm1::spb_pollAckClick()
{
    guarded([this] { acknowledge_polling(*this); });
}

void TForm1::spb_PosAckClick()
{
    guarded([this] { acknowledge_position_request(*this); });
}

void TForm1::spb_posRepAckClick()
{
    guarded([this] { acknowledge_position_report(*this); });
}

CategoryAlarm *TForm1::alarmFor(AlarmClass alarm) const
{
    switch (alarm) {
    case AlarmClass::Distress:
        return alarm_distress;
    case AlarmClass::Routine:
        return alarm_routine;
    case AlarmClass::Request:
        return alarm_request;
    case AlarmClass::Report:
        return alarm_report;
    case AlarmClass::None:
        break;
    }
    return nullptr;
}

void TForm1::timer_distressTimer()
{
    alarm_distress->tick();
}

void TForm1::timer_routineTimer()
{
    alarm_routine->tick();
}

void TForm1::timer_requestTimer()
{
    alarm_request->tick();
}

void TForm1::timer_reportTimer()
{
    alarm_report->tick();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormCloseQuery();
    event->accept();
}

void TForm1::FormCloseQuery()
{
    try {
        window_position::save(*this, objectName(), *f_ini);
    } catch (const IniWriteError &error) {
        modal::show_error(error.message());
    }
    BroadcastTX->close();
    BroadcastRX->close();
    timer_player->stop();
    WaveRead2->close();
    OutDevice2->close();
}

void TForm1::setStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < int(m_statusPanels.size()))
        m_statusPanels[panel]->setText(text);
}

QString TForm1::statusText(int panel) const
{
    return panel >= 0 && panel < int(m_statusPanels.size()) ? m_statusPanels[panel]->text() : QString();
}

void TForm1::setBindAddresses(const QStringList &addresses, int index)
{
    ComboBox1->clear();
    ComboBox1->addItems(addresses);
    ComboBox1->setCurrentIndex(index >= 0 && index < addresses.size() ? index : -1);
    // Used from the receiver's next opening.
    BroadcastRX->setBindAddress(ComboBox1->currentText());
}

QString TForm1::receiveBindAddress() const
{
    return ComboBox1->currentText();
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::SetupClick()
{
    {
        TFrmSetup dialog(nullptr);
        modal::exec_dialog(dialog);
    }
    setEnabled(false);
    load_configuration(*this);
    setEnabled(true);
    update();
}

void TForm1::About1Click()
{
    TAboutBox box(this);
    modal::exec_dialog(box);
}

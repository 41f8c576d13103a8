#include "MainWindow.h"

#include "AlarmPanels.h"
#include "MessageLibraryPanel.h"
#include "MessagePage.h"
#include "Modal.h"
#include "RadioPage.h"
#include "StationColours.h"
#include "core/config/IniFile.h"
#include "core/config/SettingsKeys.h"
#include "core/dsc/DscTransport.h"
#include "core/net/LocalAddresses.h"
#include "core/station/Station.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/AudioDeviceDialog.h"
#include "dialogs/SetupDialog.h"
#include "look/Pictures.h"
#include "look/StationFont.h"
#include "look/WindowPosition.h"
#include "voice/VoiceEngine.h"
#include "widgets/MessageGrid.h"

#include <QPushButton>
#include <QTimer>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

MainWindow::MainWindow(StationEnvironment environment, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint),
      m_station(std::make_unique<Station>(std::move(environment))), m_voice(std::make_unique<VoiceEngine>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("DSC - Quillet"));
    setWindowIcon(pictures::program_icon(64));
    setFont(station_font(8));

    buildMenu();
    m_background = new QWidget(this);
    m_background->setObjectName(QStringLiteral("AdvPanel1"));
    m_background->setAutoFillBackground(true);
    QPalette panelPalette = m_background->palette();
    panelPalette.setColor(QPalette::Window, station_colours::Window);
    m_background->setPalette(panelPalette);
    setCentralWidget(m_background);

    m_pages = new QTabWidget(m_background);
    m_pages->setObjectName(QStringLiteral("pager"));
    m_pages->setGeometry(4, 4, 840, 459);
    m_messagePage = new MessagePage(*m_station, m_pages);
    m_radioPage = new RadioPage(*m_station, *m_voice, messageFolder(), m_pages);
    m_pages->addTab(m_messagePage, QStringLiteral(" DSC Messages  "));
    m_pages->addTab(m_radioPage, QStringLiteral("VHF Radio"));
    m_pages->setCurrentIndex(0);
    m_pages->resize(m_messagePage->grid()->width() + 10, m_pages->height());

    // Right of the page tabs, so they stay in sight on either page.
    const int panelsWidth = 4 * 90 + 3 * 4;
    m_alarmPanels = new AlarmPanels(m_station->alarms(), m_background, m_pages->geometry().right() - panelsWidth, 4);
    buildStatusBar();
    connect(m_radioPage->library(), &MessageLibraryPanel::playerStatus, this,
            [this](const QString &status) { setStatusText(3, status); });

    connect(&m_station->transport(), &DscTransport::datagramsDropped, this, [this](quint64 total) {
        statusBar()->setToolTip(
            QStringLiteral("%1 calls were lost: they came faster than the station could log them.").arg(total));
    });

    // The client area is fixed; the menu bar sits above it.
    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());

    // Messages about the settings file and the channel table, in that order.
    for (const QString &notice : m_station->configure())
        modal::show_message(notice);
    showSettings();
    m_windowSettings = std::make_unique<IniFile>(m_station->settingsPath(), settings_keys::Window);
    // Lives for the whole run; the first showing loads the saved choice into it.
    m_audioDialog = new AudioDeviceDialog(this);
}

MainWindow::~MainWindow()
{
    // The pages show the station and its voice: they go first.
    delete takeCentralWidget();
}

void MainWindow::buildMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File1"));
    file->addAction(QStringLiteral("&Exit"), this, &MainWindow::exitProgram)->setObjectName(QStringLiteral("Exit1"));

    QMenu *setup = menuBar()->addMenu(QStringLiteral("Setup"));
    setup->setObjectName(QStringLiteral("opt_setup"));
    setup->addAction(QStringLiteral("Radio"), this, &MainWindow::editSettings)->setObjectName(QStringLiteral("Setup"));
    setup->addAction(QStringLiteral("Audio"), this, &MainWindow::editAudioDevices)
        ->setObjectName(QStringLiteral("Audio1"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    help->addAction(QStringLiteral("About"), this, &MainWindow::showAbout)->setObjectName(QStringLiteral("About1"));
}

void MainWindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const int widths[] = {150, 150, 150, 50};
    for (int i = 0; i < 4; ++i) {
        m_statusPanels[i] = new QLabel(bar);
        m_statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_statusPanels[i]->setTextFormat(Qt::PlainText);
        // The last panel takes the rest of the bar, so its words are never cut.
        if (i < 3)
            m_statusPanels[i]->setFixedWidth(widths[i]);
        else
            m_statusPanels[i]->setMinimumWidth(widths[i]);
        bar->addWidget(m_statusPanels[i], i < 3 ? 0 : 1);
    }
}

QString MainWindow::messageFolder() const
{
    return m_station->environment().messageFolder();
}

void MainWindow::showSettings()
{
    const StationSettings &s = m_station->settings();
    setStatusText(0, s.mmsiStatus());
    setStatusText(1, s.groupStatus());
    setStatusText(2, s.modeStatus());
    m_radioPage->setBindAddresses(bind_address_list(), s.bindIndex);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        firstShow();
    }
}

void MainWindow::firstShow()
{
    m_audioDialog->setOptions(true, true, true);
    m_audioDialog->loadChoice(*m_windowSettings, *m_voice);

    const StationSettings &s = m_station->settings();
    if (s.restorePosition) {
        window_position::restore(*this, objectName(), *m_windowSettings);
    } else {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const int screenWidth = screen ? screen->geometry().width() : 1024;
        move(screenWidth - frameGeometry().width() - 20, 20);
    }
    m_pages->setCurrentWidget(s.showRadio ? static_cast<QWidget *>(m_radioPage) : m_messagePage);
    m_radioPage->showStartChannel();
    QString folderError;
    m_radioPage->library()->showFolder(messageFolder(), &folderError);

    try {
        m_station->startReceiving();
        m_voice->openReceiver();
        m_radioPage->library()->stopButton->setEnabled(false);
    } catch (const std::exception &error) {
        // No DSC reception; the station can still send. The voice receiver
        // opens at the next channel change.
        modal::show_error(QString::fromStdString(error.what()));
    }
    if (!folderError.isEmpty())
        modal::show_error(folderError);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    try {
        window_position::save(*this, objectName(), *m_windowSettings);
    } catch (const IniWriteError &error) {
        modal::show_error(error.message());
    }
    m_radioPage->library()->playerTimer->stop();
    m_voice->closeAll();
    event->accept();
}

void MainWindow::setStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < int(m_statusPanels.size()))
        m_statusPanels[panel]->setText(text);
}

QString MainWindow::statusText(int panel) const
{
    return panel >= 0 && panel < int(m_statusPanels.size()) ? m_statusPanels[panel]->text() : QString();
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::editSettings()
{
    bool saved = false;
    QString bindAddress;
    {
        SetupDialog dialog(m_station->settingsPath());
        saved = modal::exec_dialog(dialog) == QDialog::Accepted;
        bindAddress = dialog.bindAddress();
    }
    if (saved)
        m_voice->rebind(bindAddress);
    setEnabled(false);
    for (const QString &notice : m_station->reloadSettings())
        modal::show_message(notice);
    showSettings();
    setEnabled(true);
    update();
}

void MainWindow::editAudioDevices()
{
    modal::guarded([this] { m_audioDialog->configure(*m_windowSettings, *m_voice); });
}

void MainWindow::showAbout()
{
    AboutDialog box(this);
    modal::exec_dialog(box);
}

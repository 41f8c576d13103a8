#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "FileIni.h"
#include "reception/log_rules.h"

class CategoryAlarm;
class CurvyPanel;
class IniFile;
class MessageGrid;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QFileSystemModel;
class QListView;
class QTreeView;
class WaveFileReader;
class WaveResampler;
class QPushButton;
class QTabWidget;
class QTimer;
class UdpClient;
class UdpServer;
class BroadcastReceiver;
class BroadcastSender;
class Tc_form_common_audioConfig;
class WaveCodecDevice;
class WaveInDevice;
class WaveOutDevice;
class QThread;

// The station's main window: owns every control and routes each handler to
// the part of the station that does the work.
class TForm1 : public QMainWindow, public ConfigurationView
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 851;
    static constexpr int ClientHeight = 487;

    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // ConfigurationView
    void setStatusText(int panel, const QString &text) override;
    void setBindAddresses(const QStringList &addresses, int index) override;

    QString statusText(int panel) const;
    // The voice receiver's bind address: the bind-address list's text.
    QString receiveBindAddress() const;

    void Inizializza_programma();

    // DSC reception: one datagram's bytes.
    void UDP_RXUDPRead(const QByteArray &data);
    void message_gridClickCell(int row, int column);
    void timer_distressTimer();
    void timer_routineTimer();
    void timer_requestTimer();
    void timer_reportTimer();
    CategoryAlarm *alarmFor(AlarmClass alarm) const;

    // DSC calls.
    void spb_routineClick();
    void spb_groupClick();
    void spb_safetyClick();
    void spb_urgencyClick();
    void spb_distressClick();
    void spb_posreqClick();
    void spb_posrepClick();
    void spbpollClick();
    void spb_testClick();
    // Acknowledgements of the row sel_row.
    void spb_distAckClick();
    void spb_RoutineACKClick();
    void spb_testAckClick();
    void spb_pollAckClick();
    void spb_PosAckClick();
    void spb_posRepAckClick();

    // Channel selection: 100 the previous row, 200 the next, else the row itself.
    void cambia_canale(int numero);
    void show_start_channel();
    void btn_UPClick() { cambia_canale(200); }
    void btn_downClick() { cambia_canale(100); }
    void btn_16Click() { cambia_canale(16); }
    void btn_ch1Click() { cambia_canale(6); }
    void btn_ch2Click() { cambia_canale(9); }
    void btn_ch3Click() { cambia_canale(40); }
    void btn_ch4Click() { cambia_canale(45); }
    void btn_ch5Click() { cambia_canale(48); }
    void btn_ch6Click() { cambia_canale(52); }

    // Voice.
    void img_btn_pttMouseDown();
    void img_btn_pttMouseUp();
    void decoderDataAvailable();
    void Timer_busyTimer();
    void rebind_receive_stream(const QString &address);
    bool isTalking() const { return m_talking; }

    // Recorded messages.
    void btn_playClick();
    void btn_stopClick();
    void btn_sendClick();
    void btn_renameClick();
    void btn_deleteClick();
    void timer_playerTimer();

    // Menu handlers.
    void Exit1Click();
    void SetupClick();
    void About1Click();
    void Audio1Click();

    int puntatore = 1;
    int sel_row = 0;
    bool log_started = false;

    UdpClient *UDP_TX = nullptr;
    UdpServer *UDP_RX = nullptr;
    // The voice chains, on the audio thread.
    WaveInDevice *InDevice1 = nullptr;
    WaveCodecDevice *Encoder = nullptr;
    BroadcastSender *BroadcastTX = nullptr;
    BroadcastReceiver *BroadcastRX = nullptr;
    WaveCodecDevice *decoder = nullptr;
    WaveOutDevice *OutDevice1 = nullptr;
    // The file player chain.
    WaveFileReader *WaveRead2 = nullptr;
    WaveResampler *Resampler2 = nullptr;
    WaveOutDevice *OutDevice2 = nullptr;
    Tc_form_common_audioConfig *audioConfig = nullptr;

    CategoryAlarm *alarm_distress = nullptr, *alarm_routine = nullptr, *alarm_request = nullptr,
                  *alarm_report = nullptr;

    // Controls the station's parts reach.
    QWidget *AdvPanel1 = nullptr;
    QTabWidget *pager = nullptr;
    QWidget *page_message = nullptr;
    QWidget *page_vhf = nullptr;
    MessageGrid *message_grid = nullptr;
    QGroupBox *AdvGroupBox1 = nullptr;
    QGroupBox *AdvGroupBox3 = nullptr;
    QPushButton *spb_routine = nullptr, *spb_group = nullptr, *spb_safety = nullptr, *spb_urgency = nullptr,
                *spb_distress = nullptr, *spb_posreq = nullptr, *spb_posrep = nullptr, *spbpoll = nullptr,
                *spb_test = nullptr;
    QPushButton *spb_distAck = nullptr, *spb_RoutineACK = nullptr, *spb_testAck = nullptr,
                *spb_pollAck = nullptr, *spb_PosAck = nullptr, *spb_posRepAck = nullptr;
    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr;
    QPushButton *btn_UP = nullptr, *btn_down = nullptr, *btn_16 = nullptr;
    std::array<QPushButton *, 6> btn_ch{};
    QWidget *pnl_channel = nullptr;
    QLabel *lbl_channel = nullptr, *lbl_mode = nullptr, *lbl_TX = nullptr, *lbl_RX = nullptr;
    QLabel *Image1 = nullptr, *img_btn_ptt = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QComboBox *driveSel = nullptr;
    QTreeView *DirectorySel = nullptr;
    QListView *FileList = nullptr;
    QFileSystemModel *folderModel = nullptr, *fileModel = nullptr;
    QPushButton *btn_play = nullptr, *btn_stop = nullptr, *btn_send = nullptr, *btn_rename = nullptr,
                *btn_delete = nullptr;
    CurvyPanel *pnl_distress = nullptr, *pnl_routine = nullptr, *pnl_request = nullptr, *pnl_report = nullptr;
    QTimer *timer_distress = nullptr, *timer_routine = nullptr, *timer_request = nullptr, *timer_report = nullptr,
           *Timer_busy = nullptr, *timer_player = nullptr;
    QAction *Exit1 = nullptr, *Setup = nullptr, *Audio1 = nullptr, *About1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildMessagePage();
    void buildRadioPage();
    void buildAlarmPanels();
    void buildStatusBar();
    void buildVoiceChains();
    void FormCreate();
    void FormShow();
    void FormCloseQuery();

    std::unique_ptr<IniFile> f_ini;
    std::array<QLabel *, 4> m_statusPanels{};
    bool m_shown = false;
    bool m_talking = false;
    bool m_destroying = false;
    QThread *m_audioThread = nullptr;
};

// The one main window, for the routines that reach its controls.
extern TForm1 *Form1;

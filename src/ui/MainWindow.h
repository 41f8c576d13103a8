#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "core/env/StationEnvironment.h"

class AlarmPanels;
class AudioDeviceDialog;
class IniFile;
class MessagePage;
class QAction;
class QLabel;
class QTabWidget;
class RadioPage;
class Station;
class VoiceEngine;

// The station's window: the message page and the radio page of a Station
// and its VoiceEngine, the alarm panels, the status bar and the menus.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 851;
    static constexpr int ClientHeight = 487;

    // A station in environment; its settings file, channel table and
    // messages are read now, and what the user must be told is shown.
    explicit MainWindow(StationEnvironment environment = StationEnvironment(), QWidget *parent = nullptr);
    ~MainWindow() override;

    Station &station() { return *m_station; }
    VoiceEngine &voice() { return *m_voice; }
    MessagePage *messagePage() const { return m_messagePage; }
    RadioPage *radioPage() const { return m_radioPage; }
    AlarmPanels *alarmPanels() const { return m_alarmPanels; }
    QTabWidget *pages() const { return m_pages; }

    QString statusText(int panel) const;
    // The station's own folder of recorded messages.
    QString messageFolder() const;

    // Menu handlers.
    void exitProgram();
    void editSettings();
    void editAudioDevices();
    void showAbout();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildStatusBar();
    // The settings as the status bar and the voice receiver show them.
    void showSettings();
    void setStatusText(int panel, const QString &text);
    void firstShow();

    std::unique_ptr<Station> m_station;
    std::unique_ptr<VoiceEngine> m_voice;
    std::unique_ptr<IniFile> m_windowSettings;
    QWidget *m_background = nullptr;
    QTabWidget *m_pages = nullptr;
    MessagePage *m_messagePage = nullptr;
    RadioPage *m_radioPage = nullptr;
    AlarmPanels *m_alarmPanels = nullptr;
    AudioDeviceDialog *m_audioDialog = nullptr;
    std::array<QLabel *, 4> m_statusPanels{};
    bool m_shown = false;
};

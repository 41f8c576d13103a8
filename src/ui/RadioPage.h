#pragma once

#include <QWidget>
#include <array>

#include "core/station/Station.h"

class MessageLibraryPanel;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class VoiceEngine;

// The "VHF Radio" page: the channel selector with its display, the console
// with push-to-talk, and the message library.
class RadioPage : public QWidget
{
    Q_OBJECT
public:
    RadioPage(Station &station, VoiceEngine &engine, const QString &messageFolder, QWidget *parent = nullptr);

    MessageLibraryPanel *library() const { return m_library; }

    // The start channel on the display, its ports set for the streams' next opening.
    void showStartChannel();
    // The bind-address list, index selected (none when off the list); the
    // voice receiver binds to its text from its next opening.
    void setBindAddresses(const QStringList &addresses, int index);
    QString receiveBindAddress() const;

    void pushToTalkPressed();
    void pushToTalkReleased();

    QGroupBox *channelFrame = nullptr, *consoleFrame = nullptr;
    QWidget *channelDisplay = nullptr;
    QLabel *channelLabel = nullptr, *modeLabel = nullptr, *transmitIndicator = nullptr, *receiveIndicator = nullptr;
    QPushButton *upButton = nullptr, *downButton = nullptr, *channel16Button = nullptr;
    std::array<QPushButton *, 6> shortcutButtons{};
    QLabel *radioPicture = nullptr, *pushToTalk = nullptr;
    QComboBox *bindAddresses = nullptr;
    QTimer *receiveTimer = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tuned(int row);
    Station::VoicePorts checkedPorts(int row);
    void voiceArrived();
    void checkVoiceStillArriving();

    Station &m_station;
    VoiceEngine &m_engine;
    MessageLibraryPanel *m_library = nullptr;
    int m_packetsSeen = 0;
    bool m_portReported = false;
};

#pragma once

#include <QGroupBox>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QFileSystemWatcher;
class QStringListModel;
class QListView;
class QPushButton;
class QTimer;
class QTreeView;
class VoiceEngine;

// The recorded message library: a folder of WAV files to play on the
// loudspeaker, send on the channel like microphone audio, rename, or put in
// the trash.
class MessageLibraryPanel : public QGroupBox
{
    Q_OBJECT
public:
    // homeFolder: the station's own message folder, where renaming starts.
    MessageLibraryPanel(VoiceEngine &engine, const QString &homeFolder, QWidget *parent = nullptr);

    // The folder lists show path, which becomes the working directory;
    // false (and the error text) when it is missing.
    bool showFolder(const QString &path, QString *error);
    // The file selected in the list; empty when none is.
    QString selectedFile() const;
    // Selects a file of the folder shown, as a click on it would.
    void selectFile(const QString &path);

    void play();
    void transmit();
    void stop();
    void rename();
    void trash();
    // Every 100 ms while a file plays or is sent.
    void tick();

    // Moves path to the desktop's trash after the confirmation the desktop
    // would ask for; true when it went.
    static bool sendToTrash(const QString &path, QWidget *owner);

    QComboBox *driveBox = nullptr;
    QTreeView *folderTree = nullptr;
    QListView *fileList = nullptr;
    QFileSystemModel *folderModel = nullptr;
    // The names of the WAV files of the folder shown, kept up to date.
    QStringListModel *fileNames = nullptr;
    QFileSystemWatcher *watcher = nullptr;
    QPushButton *playButton = nullptr, *stopButton = nullptr, *transmitButton = nullptr, *renameButton = nullptr,
                *trashButton = nullptr;
    QTimer *playerTimer = nullptr;

signals:
    // A file plays or is sent: the rest of the radio page waits.
    void busyChanged(bool busy);
    // Push-to-talk is refused while a file is sent.
    void pushToTalkAllowed(bool allowed);
    // The transmit indicator follows the encoder while a file is sent.
    void transmitting(bool on);
    // "PLAY", "BROADCAST", "STOPPED".
    void playerStatus(const QString &status);

private:
    bool requireSelection(QString *path);
    void listFiles();
    void setBusy(bool busy);
    // A file that cannot be played: the chains go back to rest and the user is told.
    void refuse(const QString &path);

    VoiceEngine &m_engine;
    QString m_homeFolder;
    QString m_folder;
};

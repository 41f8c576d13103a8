#include "MessageLibraryPanel.h"

#include "Modal.h"
#include "voice/VoiceEngine.h"
#include "widgets/StationControls.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QListView>
#include <QPushButton>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringListModel>
#include <QTimer>
#include <QTreeView>
#include <cerrno>
#include <cstring>

MessageLibraryPanel::MessageLibraryPanel(VoiceEngine &engine, const QString &homeFolder, QWidget *parent)
    : QGroupBox(QStringLiteral(" Audio Files "), parent), m_engine(engine), m_homeFolder(homeFolder)
{
    setObjectName(QStringLiteral("GroupBox3"));
    driveBox = new QComboBox(this);
    driveBox->setObjectName(QStringLiteral("driveSel"));
    driveBox->setGeometry(10, 24, 240, 24);
    driveBox->setAccessibleName(QStringLiteral("Drive"));
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !volume.isReadOnly())
            driveBox->addItem(volume.rootPath());
    folderModel = new QFileSystemModel(this);
    folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folderModel->setRootPath(QStringLiteral("/"));
    folderTree = new QTreeView(this);
    folderTree->setObjectName(QStringLiteral("DirectorySel"));
    folderTree->setGeometry(10, 54, 240, 310);
    folderTree->setModel(folderModel);
    folderTree->setHeaderHidden(true);
    for (int c = 1; c < folderModel->columnCount(); ++c)
        folderTree->hideColumn(c);
    folderTree->setAccessibleName(QStringLiteral("Folders"));
    fileList = new QListView(this);
    fileList->setObjectName(QStringLiteral("FileList"));
    fileList->setGeometry(258, 24, 256, 340);
    // A plain list of names: a list over a folder of a file system model is,
    // to a screen reader, the model's top (the root folder), not the files.
    fileNames = new QStringListModel(this);
    fileList->setModel(fileNames);
    fileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    watcher = new QFileSystemWatcher(this);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, &MessageLibraryPanel::listFiles);
    fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    fileList->setAccessibleName(QStringLiteral("Audio files"));
    connect(driveBox, &QComboBox::textActivated, this,
            [this](const QString &root) { folderTree->setRootIndex(folderModel->index(root)); });
    connect(folderTree, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        QString error;
        showFolder(folderModel->filePath(index), &error);
    });

    const char *names[] = {"btn_play", "btn_stop", "btn_send", "btn_rename", "btn_delete"};
    const char *captions[] = {"Play", "Stop", "TX", "Edit", "Trash"};
    const char *tips[] = {"Play the selected audio", "Stop current playback", "Broadcast selected audio",
                          "Edit selected audio", "Delete selected audio"};
    QPushButton **buttons[] = {&playButton, &stopButton, &transmitButton, &renameButton, &trashButton};
    void (MessageLibraryPanel::*handlers[])() = {&MessageLibraryPanel::play, &MessageLibraryPanel::stop,
                                                 &MessageLibraryPanel::transmit, &MessageLibraryPanel::rename,
                                                 &MessageLibraryPanel::trash};
    for (int i = 0; i < 5; ++i) {
        QPushButton *b =
            station_controls::bold_button(this, names[i], QLatin1String(captions[i]), QRect(10 + i * 102, 376, 96, 30));
        b->setToolTip(QLatin1String(tips[i]));
        connect(b, &QPushButton::clicked, this, handlers[i]);
        *buttons[i] = b;
    }
    stopButton->setEnabled(false);

    playerTimer = new QTimer(this);
    playerTimer->setObjectName(QStringLiteral("timer_player"));
    playerTimer->setInterval(100);
    connect(playerTimer, &QTimer::timeout, this, &MessageLibraryPanel::tick);
}

bool MessageLibraryPanel::showFolder(const QString &path, QString *error)
{
    const QDir dir(path);
    if (!dir.exists()) {
        *error =
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(ENOENT)));
        return false;
    }
    const QString absolute = dir.absolutePath();
    // The folder list makes its folder the working directory.
    QDir::setCurrent(absolute);
    folderTree->setRootIndex(folderModel->index(QFileInfo(absolute).path()));
    folderTree->setCurrentIndex(folderModel->index(absolute));
    if (!m_folder.isEmpty())
        watcher->removePath(m_folder);
    m_folder = absolute;
    watcher->addPath(m_folder);
    listFiles();
    return true;
}

QString MessageLibraryPanel::selectedFile() const
{
    const QModelIndex index = fileList->currentIndex();
    if (!index.isValid() || !fileList->selectionModel()->isSelected(index))
        return QString();
    return m_folder + u'/' + index.data().toString();
}

void MessageLibraryPanel::selectFile(const QString &path)
{
    // A file made a moment ago may not be listed yet: the watcher tells later.
    const QString name = QFileInfo(path).fileName();
    if (!fileNames->stringList().contains(name))
        listFiles();
    const int row = int(fileNames->stringList().indexOf(name));
    fileList->selectionModel()->setCurrentIndex(fileNames->index(row), QItemSelectionModel::ClearAndSelect);
}

void MessageLibraryPanel::listFiles()
{
    // The selection stays on its file when the list changes around it.
    const QString selected = fileList->currentIndex().data().toString();
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    if (names == fileNames->stringList())
        return;
    fileNames->setStringList(names);
    if (names.contains(selected))
        fileList->setCurrentIndex(fileNames->index(int(names.indexOf(selected))));
}

bool MessageLibraryPanel::requireSelection(QString *path)
{
    *path = selectedFile();
    if (path->isEmpty()) {
        modal::message(window(), QMessageBox::Information, QStringLiteral("Please select an audio file !"));
        return false;
    }
    return true;
}

void MessageLibraryPanel::setBusy(bool busy)
{
    for (QWidget *w : {playButton, trashButton, transmitButton, renameButton})
        w->setEnabled(!busy);
    stopButton->setEnabled(busy);
    emit busyChanged(busy);
}

void MessageLibraryPanel::play()
{
    QString path;
    if (!requireSelection(&path))
        return;
    if (!m_engine.playFile(path))
        return refuse(path);
    setBusy(true);
    playerTimer->start();
}

void MessageLibraryPanel::transmit()
{
    QString path;
    if (!requireSelection(&path))
        return;
    if (!m_engine.transmitFile(path))
        return refuse(path);
    setBusy(true);
    emit pushToTalkAllowed(false);
    playerTimer->start();
}

void MessageLibraryPanel::refuse(const QString &path)
{
    const QString why = m_engine.fileError();
    stop();
    modal::show_error(QStringLiteral("Unable to play %1: %2").arg(path, why));
}

void MessageLibraryPanel::stop()
{
    m_engine.stopFile();
    setBusy(false);
}

void MessageLibraryPanel::tick()
{
    QString status;
    const bool playing = m_engine.isPlayingFile();
    const bool sending = m_engine.isTransmitting();
    if (playing)
        status = QStringLiteral("PLAY");
    if (sending)
        status = QStringLiteral("BROADCAST");
    emit transmitting(sending);
    if (!playing && !sending) {
        status = QStringLiteral("STOPPED");
        playerTimer->stop();
        stop();
        emit pushToTalkAllowed(true);
    }
    emit playerStatus(status);
}

void MessageLibraryPanel::rename()
{
    QString path;
    if (!requireSelection(&path))
        return;
    QFileDialog dialog(window());
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // An existing name is refused below; the dialog need not ask about replacing it.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("wav"));
    dialog.setNameFilter(QStringLiteral("wav (*.wav)"));
    dialog.setDirectory(m_homeFolder);
    dialog.selectFile(QFileInfo(path).fileName());
    if (modal::exec_dialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString target = dialog.selectedFiles().first();
    // A move never overwrites: QFile::rename refuses an existing target.
    if (QFileInfo(target) == QFileInfo(path) || !QFile::rename(path, target))
        modal::show_error(QStringLiteral("Unable to create new audio file."));
}

bool MessageLibraryPanel::sendToTrash(const QString &path, QWidget *owner)
{
    const auto answer = modal::message(
        owner, QMessageBox::Question,
        QStringLiteral("Are you sure you want to move \"%1\" to the Trash?").arg(QFileInfo(path).fileName()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QStringLiteral("Move to Trash"));
    if (answer != QMessageBox::Yes)
        return false; // declined: nothing more to say
    // The desktop's trash folders must be there first: without them Qt 6.4
    // makes files/ and info/ in the file's own folder and calls that the trash.
    const QString trash =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
    QDir().mkpath(trash + QStringLiteral("/files"));
    QDir().mkpath(trash + QStringLiteral("/info"));
    QString inTrash;
    const bool moved = QFile::moveToTrash(path, &inTrash);
    if (!moved || !QFileInfo(inTrash).absoluteFilePath().startsWith(QDir(trash).absolutePath() + u'/')) {
        // Somewhere that is no trash: the file goes back where it was.
        if (moved && !inTrash.isEmpty())
            QFile::rename(inTrash, path);
        modal::show_error(QStringLiteral("Could not send ") + path + QStringLiteral(" to RecycleBin"));
        return false;
    }
    return true;
}

void MessageLibraryPanel::trash()
{
    QString path;
    if (!requireSelection(&path))
        return;
    if (QFileInfo::exists(path) && sendToTrash(path, window()))
        QApplication::beep();
}

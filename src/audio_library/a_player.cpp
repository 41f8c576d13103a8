#include "a_player.h"

#include "platform/BroadcastReceiver.h"
#include "platform/Modal.h"
#include "platform/WaveCodecDevice.h"
#include "platform/WaveFileReader.h"
#include "platform/WaveInDevice.h"
#include "platform/WaveOutDevice.h"
#include "platform/WaveResampler.h"
#include "shell/Unit1.h"
#include "shell/globals.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <cerrno>
#include <cstring>

namespace {

QString selectedFile(const TForm1 &form)
{
    const QModelIndex index = form.FileList->currentIndex();
    if (!index.isValid() || !form.FileList->selectionModel()->isSelected(index))
        return QString();
    return form.fileModel->filePath(index);
}

bool requireSelection(const TForm1 &form, QString *path)
{
    *path = selectedFile(form);
    if (path->isEmpty()) {
        modal::message(const_cast<TForm1 *>(&form), QMessageBox::Information,
                       QStringLiteral("Please select an audio file !"));
        return false;
    }
    return true;
}

void relinkForPlaying(TForm1 &form)
{
    form.WaveRead2->setConsumer(form.Resampler2);
    form.InDevice1->setConsumer(form.Encoder);
}

} // namespace

QString example_folder()
{
    return program_folder() + QStringLiteral("example");
}

bool show_audio_folder(TForm1 &form, const QString &path, QString *error)
{
    const QDir dir(path);
    if (!dir.exists()) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(ENOENT)));
        return false;
    }
    const QString absolute = dir.absolutePath();
    // The folder list makes its folder the working directory.
    QDir::setCurrent(absolute);
    form.DirectorySel->setRootIndex(form.folderModel->index(QFileInfo(absolute).path()));
    form.DirectorySel->setCurrentIndex(form.folderModel->index(absolute));
    form.FileList->setRootIndex(form.fileModel->setRootPath(absolute));
    return true;
}

void player_busy_state(TForm1 &form)
{
    for (QWidget *w : {static_cast<QWidget *>(form.btn_play), static_cast<QWidget *>(form.btn_delete),
                       static_cast<QWidget *>(form.btn_send), static_cast<QWidget *>(form.btn_rename),
                       static_cast<QWidget *>(form.GroupBox1)})
        w->setEnabled(false);
    form.btn_stop->setEnabled(true);
}

void player_idle_state(TForm1 &form)
{
    for (QWidget *w : {static_cast<QWidget *>(form.btn_play), static_cast<QWidget *>(form.btn_delete),
                       static_cast<QWidget *>(form.btn_send), static_cast<QWidget *>(form.btn_rename),
                       static_cast<QWidget *>(form.GroupBox1)})
        w->setEnabled(true);
    form.btn_stop->setEnabled(false);
}

void audio_play(TForm1 &form)
{
    QString path;
    if (!requireSelection(form, &path))
        return;
    form.WaveRead2->close();
    QCoreApplication::processEvents();
    form.WaveRead2->setFileName(path);
    form.WaveRead2->open();
    player_busy_state(form);
    form.timer_player->start();
}

void audio_transmit(TForm1 &form)
{
    QString path;
    if (!requireSelection(form, &path))
        return;
    form.BroadcastRX->close();
    form.InDevice1->setConsumer(nullptr);
    form.WaveRead2->setConsumer(form.Encoder);
    form.WaveRead2->close();
    QCoreApplication::processEvents();
    form.WaveRead2->setFileName(path);
    form.WaveRead2->open();
    player_busy_state(form);
    form.img_btn_ptt->setEnabled(false);
    form.timer_player->start();
}

void audio_stop(TForm1 &form)
{
    form.WaveRead2->close();
    relinkForPlaying(form);
    form.WaveRead2->setFileName(QString());
    form.OutDevice2->close();
    form.Resampler2->close();
    player_idle_state(form);
    form.BroadcastRX->open();
}

void audio_player_tick(TForm1 &form)
{
    QString status;
    const bool playing = form.OutDevice2->isActive();
    const bool sending = form.Encoder->isActive();
    if (playing)
        status = QStringLiteral("PLAY");
    if (sending)
        status = QStringLiteral("BROADCAST");
    form.lbl_TX->setVisible(sending);
    if (!playing && !sending) {
        status = QStringLiteral("STOPPED");
        form.timer_player->stop();
        form.btn_stopClick();
        form.img_btn_ptt->setEnabled(true);
        QCoreApplication::processEvents();
    }
    form.setStatusText(3, status);
}

void audio_rename(TForm1 &form)
{
    QString path;
    if (!requireSelection(form, &path))
        return;
    QFileDialog dialog(&form);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // An existing name is refused below; the dialog need not ask about replacing it.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("wav"));
    dialog.setNameFilter(QStringLiteral("wav (*.wav)"));
    dialog.setDirectory(example_folder());
    dialog.selectFile(QFileInfo(path).fileName());
    if (modal::exec_dialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString target = dialog.selectedFiles().first();
    // A move never overwrites: QFile::rename refuses an existing target.
    if (QFileInfo(target) == QFileInfo(path) || !QFile::rename(path, target)) {
        modal::show_error(QStringLiteral("Unable to create new audio file."));
        return;
    }
}

bool send_to_recycle_bin(const QString &path, QWidget *owner)
{
    const auto answer = modal::message(owner, QMessageBox::Question,
                                       QStringLiteral("Are you sure you want to move \"%1\" to the Trash?")
                                           .arg(QFileInfo(path).fileName()),
                                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                                       QStringLiteral("Move to Trash"));
    if (answer != QMessageBox::Yes)
        return false; // declined: nothing more to say
    if (!QFile::moveToTrash(path)) {
        modal::show_error(QStringLiteral("Could not send ") + path + QStringLiteral(" to RecycleBin"));
        return false;
    }
    return true;
}

void audio_trash(TForm1 &form)
{
    QString path;
    if (!requireSelection(form, &path))
        return;
    if (QFileInfo::exists(path) && send_to_recycle_bin(path, &form))
        QApplication::beep();
}

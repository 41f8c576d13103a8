#include "ModalScript.h"
#include "RunFor.h"
#include "SoxTone.h"
#include "StationFixture.h"
#include "Tone.h"
#include "VoiceListener.h"
#include "WavSamples.h"
#include "ui/MainWindow.h"
#include "ui/MessageLibraryPanel.h"
#include "ui/RadioPage.h"
#include "voice/AudioDevices.h"
#include "voice/GsmCodecStage.h"
#include "voice/SpeakerOutput.h"
#include "voice/VoiceEngine.h"
#include "voice/VoiceReceiver.h"
#include "voice/VoiceSender.h"
#include "voice/WavFileSource.h"

#include <QAccessible>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Runs the event loop until the player's timer stops by itself.
bool runUntilStopped(MainWindow &form, int limitMs)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (!form.radioPage()->library()->playerTimer->isActive())
            loop.quit();
    });
    check.start(10);
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return !form.radioPage()->library()->playerTimer->isActive();
}

void select(MainWindow &form, const QString &name)
{
    form.radioPage()->library()->selectFile(form.messageFolder() + "/" + name);
}

bool idle(const MainWindow &form)
{
    return form.radioPage()->library()->playButton->isEnabled() && !form.radioPage()->library()->stopButton->isEnabled()
           && form.radioPage()->library()->transmitButton->isEnabled()
           && form.radioPage()->library()->renameButton->isEnabled()
           && form.radioPage()->library()->trashButton->isEnabled() && form.radioPage()->channelFrame->isEnabled();
}

} // namespace

class TestAudioLibrary : public QObject
{
    Q_OBJECT

private slots:
    void badFilesPlayNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not a WAV") << QByteArray("this is not audio at all, only words");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
    }
    void badFilesPlayNothing()
    {
        QFETCH(QByteArray, bytes);
        StationFolder folder;
        QFile f(QString(folder.path() + "/example") + "/broken.wav");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        MainWindow form(folder.environment());
        form.show();
        select(form, "broken.wav");
        // The user is told which file and why, and the library is at rest at once.
        const QString refused = "Unable to play " + folder.path() + "/example/broken.wav: ";
        ModalScript script;
        script.messageStartingWith(refused).messageStartingWith(refused);
        form.radioPage()->library()->playButton->click();
        QVERIFY(!form.voice().fileSource().isActive());
        QVERIFY(idle(form));
        QVERIFY(!form.radioPage()->library()->playerTimer->isActive());
        form.radioPage()->library()->transmitButton->click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(script.seenMessages[0].size() > refused.size()); // and why
        QVERIFY(idle(form));
        QVERIFY(form.voice().receiver().isActive() && form.radioPage()->pushToTalk->isEnabled());
    }

    void nothingSelected()
    {
        StationFolder folder("[radio]\n", true);
        MainWindow form(folder.environment());
        form.show();
        ModalScript script;
        for (int i = 0; i < 4; ++i)
            script.message("Please select an audio file !");
        for (QPushButton *b : {form.radioPage()->library()->playButton, form.radioPage()->library()->transmitButton,
                               form.radioPage()->library()->renameButton, form.radioPage()->library()->trashButton})
            b->click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(idle(form) && !form.radioPage()->library()->playerTimer->isActive());
    }

    void transmitIsHeardOnTheChannel()
    {
        StationFolder folder;
        QVERIFY(make_tone_wav(QString(folder.path() + "/example") + "/tone.wav", 1000, 1.2));
        MainWindow form(folder.environment());
        form.voice().setTransmitDestination(QHostAddress::LocalHost); // never a broadcast on this machine
        form.show();
        // Another station on channel 16, recording what it would play.
        QTemporaryDir dir;
        VoiceListener other(17016, dir.filePath("heard.wav"));
        VoiceReceiver &receiver = other.receiver;
        QVERIFY(receiver.open());

        select(form, "tone.wav");
        form.radioPage()->library()->transmitButton->click();
        QVERIFY(form.voice().encoder().isActive() && form.voice().sender().isActive());
        QVERIFY(!form.voice().receiver().isActive()); // the sender does not listen meanwhile
        QVERIFY(!form.radioPage()->pushToTalk->isEnabled() && !form.radioPage()->channelFrame->isEnabled());
        run_for(300);
        QCOMPARE(form.statusText(3), QString("BROADCAST"));
        QVERIFY(!form.radioPage()->transmitIndicator->isHidden());
        QVERIFY(runUntilStopped(form, 4000));
        QCOMPARE(form.statusText(3), QString("STOPPED"));
        QVERIFY(idle(form));
        QVERIFY(form.voice().receiver().isActive() && form.radioPage()->pushToTalk->isEnabled()
                && form.radioPage()->transmitIndicator->isHidden());
        run_for(200);
        receiver.close();
        int rate = 0;
        const QVector<short> heard = read_wav(dir.filePath("heard.wav"), &rate);
        QVERIFY2(has_tone(heard, rate, 1000, 2000),
                 qPrintable(QStringLiteral("%1 samples at %2 Hz; 1000 Hz at %3, 700 Hz at %4, 1450 Hz at %5")
                                .arg(heard.size())
                                .arg(rate)
                                .arg(tone_amplitude(heard, rate, 1000))
                                .arg(tone_amplitude(heard, rate, 700))
                                .arg(tone_amplitude(heard, rate, 1450))));
    }

    void stopDuringTransmission()
    {
        StationFolder folder;
        QVERIFY(make_tone_wav(QString(folder.path() + "/example") + "/tone.wav", 1000, 3));
        MainWindow form(folder.environment());
        form.voice().setTransmitDestination(QHostAddress::LocalHost);
        form.show();
        select(form, "tone.wav");
        form.radioPage()->library()->transmitButton->click();
        run_for(300);
        form.radioPage()->library()->stopButton->click();
        QVERIFY(form.voice().receiver().isActive()); // reception resumes at once
        QVERIFY(!form.voice().encoder().isActive());
        QVERIFY(idle(form));
        QVERIFY(!form.radioPage()->pushToTalk->isEnabled()); // until the next tick
        form.radioPage()->library()->tick();
        QVERIFY(form.radioPage()->pushToTalk->isEnabled());
        QCOMPARE(form.statusText(3), QString("STOPPED"));
    }

    void playToTheEnd()
    {
        if (audio_devices::find(-1, false).isNull())
            QSKIP("no playback device: scripts/test starts a sound server");
        StationFolder folder("[radio]\n", true);
        MainWindow form(folder.environment());
        form.show();
        select(form, "mayday.wav");
        // The shortest way to the end: a file of its own, half a second long.
        QVERIFY(make_tone_wav(QString(folder.path() + "/example") + "/short.wav", 440, 0.5));
        select(form, "short.wav");
        form.radioPage()->library()->playButton->click();
        QVERIFY(form.voice().fileSource().isActive() && form.voice().fileSpeaker().isActive());
        QVERIFY(!form.radioPage()->channelFrame->isEnabled() && form.radioPage()->library()->stopButton->isEnabled());
        run_for(150);
        QCOMPARE(form.statusText(3), QString("PLAY"));
        QVERIFY(runUntilStopped(form, 3000));
        QCOMPARE(form.statusText(3), QString("STOPPED"));
        QVERIFY(idle(form));
    }

    void renameNeverOverwrites()
    {
        StationFolder folder("[radio]\n", true);
        MainWindow form(folder.environment());
        form.show();
        const QString example = QString(folder.path() + "/example");
        const QByteArray panPan = [&] {
            QFile f(example + "/pan_pan.wav");
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        auto renameTo = [&](const QString &name, bool accept) {
            ModalScript script;
            script.dialog<QFileDialog>([&](QFileDialog &d) {
                [&] {
                    QCOMPARE(d.objectName(), QString("SaveDialog1"));
                    QCOMPARE(QDir(d.directory()).absolutePath(), QDir(example).absolutePath());
                    QCOMPARE(d.defaultSuffix(), QString("wav"));
                }();
                d.selectFile(name);
                if (!accept)
                    return int(QDialog::Rejected);
                // As the user would: the name typed, then the Save button.
                if (auto *edit = d.findChild<QLineEdit *>("fileNameEdit"))
                    edit->setText(name);
                QMetaObject::invokeMethod(&d, "accept", Qt::DirectConnection);
                return d.result();
            });
            if (name == "radio_check.wav" && accept)
                script.message("Unable to create new audio file.");
            select(form, "pan_pan.wav");
            form.radioPage()->library()->renameButton->click();
            return script.problems();
        };
        QCOMPARE(renameTo("radio_check.wav", true), QString()); // exists: refused
        QVERIFY(QFile::exists(example + "/pan_pan.wav"));
        QCOMPARE(renameTo("pan_pan_copy.wav", false), QString()); // cancelled
        QVERIFY(QFile::exists(example + "/pan_pan.wav") && !QFile::exists(example + "/pan_pan_copy.wav"));
        QCOMPARE(renameTo("urgency.wav", true), QString());
        QVERIFY(!QFile::exists(example + "/pan_pan.wav"));
        QFile moved(example + "/urgency.wav");
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), panPan);
    }

    void everyFileIsOneAccessibleItem()
    {
        StationFolder folder("[radio]\n", true);
        MainWindow form(folder.environment());
        form.show();
        QListView *list = form.radioPage()->library()->fileList;
        // The folder is read in the background.
        QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 4);
        QAccessibleInterface *files = QAccessible::queryAccessibleInterface(list);
        QVERIFY(files);
        QStringList names;
        for (int i = 0; i < files->childCount(); ++i)
            names << files->child(i)->text(QAccessible::Name);
        names.sort();
        QCOMPARE(names, QStringList({"mayday.wav", "pan_pan.wav", "radio_check.wav", "securite.wav"}));
    }

    void lastStatusPanelShowsItsWholeWord()
    {
        StationFolder folder;
        MainWindow form(folder.environment());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *panel = form.findChild<QLabel *>("StatusPanel3");
        for (const QString word : {"STOPPED", "BROADCAST", "PLAY"}) {
            panel->setText(word);
            QVERIFY2(panel->fontMetrics().horizontalAdvance(word) <= panel->contentsRect().width(), qPrintable(word));
        }
    }

    void trashWithoutADataFolderYet()
    {
        // The user's data folder does not exist yet: the file still reaches the
        // desktop's trash, and nothing appears beside it.
        QTemporaryDir home;
        const QString data = home.path() + "/not-yet";
        qputenv("XDG_DATA_HOME", data.toLocal8Bit());
        StationFolder folder("[radio]\n", true);
        MainWindow form(folder.environment());
        form.show();
        ModalScript script;
        script.message("Are you sure you want to move \"mayday.wav\" to the Trash?", QMessageBox::Yes);
        select(form, "mayday.wav");
        form.radioPage()->library()->trashButton->click();
        qunsetenv("XDG_DATA_HOME");
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(QFile::exists(data + "/Trash/files/mayday.wav"));
        QVERIFY(!QFile::exists(folder.path() + "/example/mayday.wav"));
        QCOMPARE(QDir(folder.path() + "/example").entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    }

    void trashGoesToTheDesktopTrash()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        StationFolder folder("[radio]\n", true);
        MainWindow form(folder.environment());
        form.show();
        const QString question = "Are you sure you want to move \"securite.wav\" to the Trash?";
        {
            ModalScript declined;
            declined.message(question, QMessageBox::No);
            select(form, "securite.wav");
            form.radioPage()->library()->trashButton->click();
            QVERIFY2(declined.problems().isEmpty(), qPrintable(declined.problems()));
            QVERIFY(QFile::exists(QString(folder.path() + "/example") + "/securite.wav"));
        }
        ModalScript script;
        script.message(question, QMessageBox::Yes);
        select(form, "securite.wav");
        form.radioPage()->library()->trashButton->click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(!QFile::exists(QString(folder.path() + "/example") + "/securite.wav"));
        QVERIFY(QFile::exists(home.path() + "/Trash/files/securite.wav"));
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_MAIN(TestAudioLibrary)
#include "tst_audio_library.moc"

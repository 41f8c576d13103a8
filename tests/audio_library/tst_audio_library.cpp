#include "RunFor.h"
#include "ModalScript.h"
#include "PcmCapture.h"
#include "SoxTone.h"
#include "StationFixture.h"
#include "Tone.h"
#include "WavSamples.h"
#include "audio_library/a_player.h"
#include "platform/BroadcastReceiver.h"
#include "platform/BroadcastSender.h"
#include "platform/WaveCodecDevice.h"
#include "platform/WaveFileReader.h"
#include "platform/WaveFileWriter.h"
#include "platform/WaveInDevice.h"
#include "platform/WaveOutDevice.h"
#include "shell/Unit1.h"

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
bool runUntilStopped(TForm1 &form, int limitMs)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (!form.timer_player->isActive())
            loop.quit();
    });
    check.start(10);
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return !form.timer_player->isActive();
}

void select(TForm1 &form, const QString &name)
{
    const QModelIndex index = form.fileModel->index(example_folder() + "/" + name);
    form.FileList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

bool idle(const TForm1 &form)
{
    return form.btn_play->isEnabled() && !form.btn_stop->isEnabled() && form.btn_send->isEnabled()
           && form.btn_rename->isEnabled() && form.btn_delete->isEnabled() && form.GroupBox1->isEnabled();
}

} // namespace

class TestAudioLibrary : public QObject
{
    Q_OBJECT

private slots:
    void encodingsDecodeToTheTone_data()
    {
        QTest::addColumn<QStringList>("encoding");
        QTest::addColumn<int>("rate");
        QTest::newRow("PCM 8-bit") << QStringList{"-e", "unsigned-integer", "-b", "8"} << 22050;
        QTest::newRow("PCM 16-bit") << QStringList{"-e", "signed-integer", "-b", "16"} << 44100;
        QTest::newRow("PCM 24-bit") << QStringList{"-e", "signed-integer", "-b", "24"} << 48000;
        QTest::newRow("PCM 32-bit") << QStringList{"-e", "signed-integer", "-b", "32"} << 16000;
        QTest::newRow("float") << QStringList{"-e", "floating-point", "-b", "32"} << 22050;
        QTest::newRow("A-law") << QStringList{"-e", "a-law"} << 8000;
        QTest::newRow("mu-law") << QStringList{"-e", "mu-law"} << 8000;
        QTest::newRow("IMA ADPCM") << QStringList{"-e", "ima-adpcm"} << 11025;
        QTest::newRow("GSM 6.10") << QStringList{"-e", "gsm-full-rate"} << 8000;
    }
    void encodingsDecodeToTheTone()
    {
        QFETCH(QStringList, encoding);
        QFETCH(int, rate);
        QTemporaryDir dir;
        const QString file = dir.filePath("tone.wav");
        QVERIFY2(make_tone_wav(file, 1000, 0.5, rate, encoding), "sox could not make the file");
        WaveFileReader reader;
        PcmCapture capture;
        reader.setFileName(file);
        reader.setConsumer(&capture);
        QVERIFY(reader.open());
        QCOMPARE(reader.format().sampleRate, rate);
        QVERIFY(capture.isActive());
        for (int i = 0; i < 100 && reader.isActive(); ++i)
            run_for(20);
        QVERIFY(!reader.isActive() && !capture.isActive()); // the end closed both
        const QVector<short> heard = capture.samples();
        QVERIFY2(heard.size() >= rate * 0.45 && heard.size() <= rate * 0.6, qPrintable(QString::number(heard.size())));
        QVERIFY(has_tone(heard, rate, 1000, 5000));
    }

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
        QFile f(example_folder() + "/broken.wav");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        TForm1 form;
        form.show();
        select(form, "broken.wav");
        form.btn_play->click();
        QVERIFY(!form.WaveRead2->isActive());
        QVERIFY(!form.btn_play->isEnabled()); // busy until the next tick
        form.timer_playerTimer();
        QCOMPARE(form.statusText(3), QString("STOPPED"));
        QVERIFY(idle(form));
        QVERIFY(!form.timer_player->isActive());
        form.btn_send->click();
        form.timer_playerTimer();
        QVERIFY(idle(form));
        QVERIFY(form.BroadcastRX->isActive() && form.img_btn_ptt->isEnabled());
    }

    void nothingSelected()
    {
        StationFolder folder("[radio]\n", true);
        TForm1 form;
        form.show();
        ModalScript script;
        for (int i = 0; i < 4; ++i)
            script.message("Please select an audio file !");
        for (QPushButton *b : {form.btn_play, form.btn_send, form.btn_rename, form.btn_delete})
            b->click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(idle(form) && !form.timer_player->isActive());
    }

    void transmitIsHeardOnTheChannel()
    {
        StationFolder folder;
        QVERIFY(make_tone_wav(example_folder() + "/tone.wav", 1000, 1.2));
        TForm1 form;
        form.BroadcastTX->setDestination(QHostAddress::LocalHost); // never a broadcast on this machine
        form.show();
        // Another station on channel 16, recording what it would play.
        QTemporaryDir dir;
        BroadcastReceiver receiver;
        WaveCodecDevice decoder(WaveCodecDevice::Decode);
        WaveFileWriter ear;
        receiver.setPort("17016");
        receiver.setBindAddress("127.0.0.1");
        receiver.setConsumer(&decoder);
        decoder.setConsumer(&ear);
        ear.setFileName(dir.filePath("heard.wav"));
        QVERIFY(receiver.open());

        select(form, "tone.wav");
        form.btn_send->click();
        QVERIFY(form.Encoder->isActive() && form.BroadcastTX->isActive());
        QVERIFY(!form.BroadcastRX->isActive()); // the sender does not listen meanwhile
        QVERIFY(!form.img_btn_ptt->isEnabled() && !form.GroupBox1->isEnabled());
        run_for(300);
        QCOMPARE(form.statusText(3), QString("BROADCAST"));
        QVERIFY(!form.lbl_TX->isHidden());
        QVERIFY(runUntilStopped(form, 4000));
        QCOMPARE(form.statusText(3), QString("STOPPED"));
        QVERIFY(idle(form));
        QVERIFY(form.BroadcastRX->isActive() && form.img_btn_ptt->isEnabled() && form.lbl_TX->isHidden());
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
        QVERIFY(make_tone_wav(example_folder() + "/tone.wav", 1000, 3));
        TForm1 form;
        form.BroadcastTX->setDestination(QHostAddress::LocalHost);
        form.show();
        select(form, "tone.wav");
        form.btn_send->click();
        run_for(300);
        form.btn_stop->click();
        QVERIFY(form.BroadcastRX->isActive()); // reception resumes at once
        QVERIFY(!form.Encoder->isActive());
        QVERIFY(idle(form));
        QVERIFY(!form.img_btn_ptt->isEnabled()); // until the next tick
        form.timer_playerTimer();
        QVERIFY(form.img_btn_ptt->isEnabled());
        QCOMPARE(form.statusText(3), QString("STOPPED"));
    }

    void playToTheEnd()
    {
        if (WaveInDevice::device(-1, false).isNull())
            QSKIP("no playback device: scripts/test starts a sound server");
        StationFolder folder("[radio]\n", true);
        TForm1 form;
        form.show();
        select(form, "mayday.wav");
        // The shortest way to the end: a file of its own, half a second long.
        QVERIFY(make_tone_wav(example_folder() + "/short.wav", 440, 0.5));
        select(form, "short.wav");
        form.btn_play->click();
        QVERIFY(form.WaveRead2->isActive() && form.OutDevice2->isActive());
        QVERIFY(!form.GroupBox1->isEnabled() && form.btn_stop->isEnabled());
        run_for(150);
        QCOMPARE(form.statusText(3), QString("PLAY"));
        QVERIFY(runUntilStopped(form, 3000));
        QCOMPARE(form.statusText(3), QString("STOPPED"));
        QVERIFY(idle(form));
    }

    void renameNeverOverwrites()
    {
        StationFolder folder("[radio]\n", true);
        TForm1 form;
        form.show();
        const QString example = example_folder();
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
            form.btn_rename->click();
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

    void trashGoesToTheDesktopTrash()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        StationFolder folder("[radio]\n", true);
        TForm1 form;
        form.show();
        const QString question = "Are you sure you want to move \"securite.wav\" to the Trash?";
        {
            ModalScript declined;
            declined.message(question, QMessageBox::No);
            select(form, "securite.wav");
            form.btn_delete->click();
            QVERIFY2(declined.problems().isEmpty(), qPrintable(declined.problems()));
            QVERIFY(QFile::exists(example_folder() + "/securite.wav"));
        }
        ModalScript script;
        script.message(question, QMessageBox::Yes);
        select(form, "securite.wav");
        form.btn_delete->click();
        QVERIFY2(script.problems().isEmpty(), qPrintable(script.problems()));
        QVERIFY(!QFile::exists(example_folder() + "/securite.wav"));
        QVERIFY(QFile::exists(home.path() + "/Trash/files/securite.wav"));
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_MAIN(TestAudioLibrary)
#include "tst_audio_library.moc"

// Renders the station's windows to PNG files in the folder given as the
// first argument, headless (QT_QPA_PLATFORM=offscreen).
#include "core/station/Station.h"
#include "ui/AlarmPanels.h"
#include "ui/MainWindow.h"
#include "ui/MessagePage.h"
#include "ui/Modal.h"
#include "ui/RadioPage.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AudioDeviceDialog.h"
#include "ui/dialogs/ConfirmAckDialog.h"
#include "ui/dialogs/DestinationMmsiDialog.h"
#include "ui/dialogs/DistressAckDialog.h"
#include "ui/dialogs/DistressAlertDialog.h"
#include "ui/dialogs/PositionReplyDialog.h"
#include "ui/dialogs/RoutineAckDialog.h"
#include "ui/dialogs/RoutineCallDialog.h"
#include "ui/dialogs/SetupDialog.h"
#include "ui/look/IcebergStyle.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

static bool save(QWidget &w, const QString &path)
{
    QCoreApplication::processEvents();
    const bool ok = w.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("DSC Quillet"));
    // Absolute: the station makes its message folder the working directory.
    const QString out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens")).absolutePath();
    QDir().mkpath(out);
    iceberg_style::apply(app);

    // A station of its own in a scratch folder, with no messages in the way.
    QTemporaryDir folder;
    StationEnvironment environment;
    environment.setProgramFolder(folder.path());
    const QDir bin(QCoreApplication::applicationDirPath());
    QFile::copy(bin.filePath(QStringLiteral("channels.ini")), folder.filePath(QStringLiteral("channels.ini")));
    QDir(folder.path()).mkdir(QStringLiteral("example"));
    for (const QString &name : QDir(bin.filePath(QStringLiteral("example"))).entryList(QDir::Files))
        QFile::copy(bin.filePath(QStringLiteral("example/") + name),
                    folder.filePath(QStringLiteral("example/") + name));
    modal::set_responder(
        [](const modal::Request &r) { return r.dialog ? int(QDialog::Rejected) : int(QMessageBox::Ok); });

    bool ok = true;
    MainWindow form(environment);
    form.show();
    Station &station = form.station();
    // A little traffic, so the log shows its markers.
    for (const char *d :
         {"TXMMSI=269070001,RXMMSI=xxxxxxxxx,FORMAT=DISTRESS    ,CATEGORY=-           ,INFO1=-           ,"
          "DANGER=03,LATD=41,LATM=07,LATC=512,NS=N,LOND=009,LONM=33,LONC=048,EW=E,TIME=10:42,CH=16,COMPLY=N",
          "TXMMSI=211000002,RXMMSI=274111001,FORMAT=INDIVIDUAL  ,CATEGORY=ROUTINE     ,INFO1=F3E/G3E TP  ,"
          "DANGER=00,LATD=99,LATM=99,LATC=999,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99,CH=72,COMPLY=N",
          "TXMMSI=274111001,RXMMSI=xxxxxxxxx,FORMAT=ALLSHIPS    ,CATEGORY=SAFETY      ,INFO1=F3E/G3E TP  ,"
          "DANGER=00,LATD=99,LATM=99,LATC=999,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99,CH=16,COMPLY=N",
          "TXMMSI=274111001,RXMMSI=233000003,FORMAT=INDIVIDUAL  ,CATEGORY=SAFETY      ,INFO1=POS REQUEST ,"
          "DANGER=00,LATD=99,LATM=99,LATC=999,NS=N,LOND=999,LONM=99,LONC=999,EW=E,TIME=99:99,CH=16,COMPLY=N",
          "TXMMSI=233000003,RXMMSI=274111001,FORMAT=INDIVIDUAL  ,CATEGORY=SAFETY      ,INFO1=POS REPORT  ,"
          "DANGER=00,LATD=43,LATM=27,LATC=123,NS=N,LOND=007,LONM=45,LONC=010,EW=E,TIME=10:40,CH=16,COMPLY=N"})
        station.receive(QByteArray(d));
    form.alarmPanels()->tick(AlarmClass::Distress); // one panel in its alarm colour
    ok &= save(form, out + QStringLiteral("/main_messages.png"));
    form.pages()->setCurrentWidget(form.radioPage());
    // Let the file lists read the folder.
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    ok &= save(form, out + QStringLiteral("/main_radio.png"));

    {
        SetupDialog setup(station.settingsPath());
        setup.show();
        ok &= save(setup, out + QStringLiteral("/setup.png"));
    }
    {
        AboutDialog about(&form);
        about.show();
        ok &= save(about, out + QStringLiteral("/about.png"));
    }
    // The call and acknowledgement dialogs, over the traffic above.
    auto dialog = [&](QDialog &d, const char *name) {
        d.show();
        ok &= save(d, out + QStringLiteral("/%1.png").arg(QLatin1String(name)));
    };
    {
        RoutineCallDialog d(&form);
        dialog(d, "input_routine");
    }
    {
        DestinationMmsiDialog d(&form);
        dialog(d, "input_mmsi");
    }
    {
        DistressAlertDialog d(&form);
        dialog(d, "input_distress_send");
    }
    {
        DistressAckDialog d(&form, station.log().row(0));
        dialog(d, "input_distress_ack");
    }
    {
        RoutineAckDialog d(&form, station.log().row(1));
        dialog(d, "input_routine_ack");
    }
    {
        PositionReplyDialog d(&form, [&station] { return station.drawFix(); });
        dialog(d, "input_position_ack");
    }
    {
        ConfirmAckDialog d(ConfirmAckDialog::Polling, &form);
        dialog(d, "input_polling_ack");
    }
    {
        ConfirmAckDialog d(ConfirmAckDialog::Test, &form);
        dialog(d, "input_test_ack");
    }
    {
        ConfirmAckDialog d(ConfirmAckDialog::PositionReport, &form);
        dialog(d, "input_report_ack");
    }
    {
        auto *audio = form.findChild<AudioDeviceDialog *>();
        audio->show();
        ok &= save(*audio, out + QStringLiteral("/audio_config.png"));
        audio->hide();
    }
    return ok ? 0 : 1;
}

// One station for tests across network namespaces: the real main window,
// headless. It can send a routine call at start and a distress alert once
// it has logged some rows; when it has logged the rows it waits for, it
// prints them with their markers and the alarm states, and exits.
//
//   station_probe FOLDER ROWS [--ready FIFO] [--routine-to MMSI]
//                 [--distress-after N] [--timeout-ms T]
#include "dsc/chiamate.h"
#include "platform/MessageGrid.h"
#include "platform/Modal.h"
#include "platform/UdpServer.h"
#include "reception/CategoryAlarm.h"
#include "shell/Unit1.h"
#include "shell/globals.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {

void word(ShortText<12> &field, const char *w)
{
    field = QString::fromLatin1(w).leftJustified(12);
}

void print(TForm1 &form)
{
    MessageGrid *grid = form.message_grid;
    for (int r = 1; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 2; c <= 11; ++c)
            cells << grid->cell(c, r);
        const QString marker = describe(grid->gridModel()->marker(r));
        cells << (marker.isEmpty() ? QStringLiteral("no marker") : marker);
        std::printf("ROW %s\n", cells.join(u'|').toUtf8().constData());
    }
    std::printf("ALARMS distress=%d routine=%d request=%d report=%d\n", form.alarm_distress->isOn(),
                form.alarm_routine->isOn(), form.alarm_request->isOn(), form.alarm_report->isOn());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: station_probe FOLDER ROWS [options]\n");
        return 2;
    }
    set_program_folder(args[1]);
    const int rows = args[2].toInt();
    auto option = [&args](const char *name) {
        const qsizetype i = args.indexOf(QLatin1String(name));
        return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
    };
    modal::set_responder([](const modal::Request &r) {
        std::fprintf(stderr, "message: %s\n", qPrintable(r.text));
        return r.dialog ? int(QDialog::Rejected) : int(QMessageBox::Ok);
    });

    TForm1 form;
    form.show();
    if (!form.UDP_RX->isActive())
        return 3;

    const int distressAfter = option("--distress-after").isEmpty() ? -1 : option("--distress-after").toInt();
    auto logged = [&form] { return form.log_started ? form.message_grid->rowCount() - 1 : 0; };
    QObject::connect(form.UDP_RX, &UdpServer::datagramReceived, &app, [&] {
        if (logged() == distressAfter) {
            outgoing_call.TXMMSI = distressed_mmsi.str();
            outgoing_call.RXMMSI = "xxxxxxxxx";
            word(outgoing_call.FORMAT, "DISTRESS");
            word(outgoing_call.CATEGORY, "-");
            word(outgoing_call.INFO1, "-");
            outgoing_call.DANGER = "03";
            outgoing_call.LATD = own_position.latd.str();
            outgoing_call.LATM = "07";
            outgoing_call.LATC = "512";
            outgoing_call.NS = own_position.ns.str();
            outgoing_call.LOND = own_position.lond.str();
            outgoing_call.LONM = "33";
            outgoing_call.LONC = "048";
            outgoing_call.EW = own_position.ew.str();
            outgoing_call.TIME = "10:42";
            outgoing_call.CH = "16";
            send_full_call();
        }
        if (logged() >= rows) {
            print(form);
            app.exit(0);
        }
    });

    const QString routineTo = option("--routine-to");
    if (!routineTo.isEmpty()) {
        QTimer::singleShot(0, &app, [routineTo] {
            outgoing_call.RXMMSI = routineTo;
            word(outgoing_call.FORMAT, "INDIVIDUAL");
            word(outgoing_call.CATEGORY, "ROUTINE");
            word(outgoing_call.INFO1, "F3E/G3E TP");
            outgoing_call.CH = "06";
            send_plain_call();
        });
    }
    const QString timeout = option("--timeout-ms");
    QTimer::singleShot(timeout.isEmpty() ? 10000 : timeout.toInt(), &app, [&] {
        std::printf("TIMEOUT after %d rows\n", logged());
        print(form);
        app.exit(1);
    });
    const QString ready = option("--ready");
    if (!ready.isEmpty()) {
        QFile fifo(ready);
        if (fifo.open(QIODevice::WriteOnly))
            fifo.write("ready\n");
    }
    return app.exec();
}

// Time per logged row with the log already holding 0, 10,000 and 100,000
// rows, and the memory a row takes. Run headless (QT_QPA_PLATFORM=offscreen).
#include "SampleCall.h"
#include "core/dsc/DatagramWriter.h"
#include "core/station/Station.h"
#include "core/text/Ascii.h"
#include "ui/MainWindow.h"
#include "ui/Modal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <malloc.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    StationEnvironment environment;
    environment.setProgramFolder(folder.path());
    modal::set_responder([](const modal::Request &) { return int(QMessageBox::Ok); });
    MainWindow form(environment);
    form.show();
    Station &station = form.station();
    station.transport().stopReceiving(); // rows are fed straight to the receive handler

    const DscCall c = sample_call(QString(), "274111001", "INDIVIDUAL", "SAFETY", "POS REPORT");
    const QByteArray datagram = ascii_encode(datagram_text(DscWriter::Position, c, "269070001", KeyOrder::Standard));

    auto logRows = [&](int n) {
        for (int i = 0; i < n; ++i)
            station.receive(datagram);
    };
    auto heap = [] { return mallinfo2().uordblks; };

    // Memory first, on an empty log: rows then only come in.
    const size_t before = heap();
    const int rows = 20000;
    logRows(rows);
    app.processEvents();
    std::printf("heap per row: %.0f bytes\n", double(heap() - before) / rows);

    // The log holds at most MessageLog::MaxRows rows: the last figure is at its limit.
    std::printf("%-22s %14s\n", "rows already logged", "us per row");
    const int sample = 2000;
    for (int target : {rows, 50000, MessageLog::MaxRows}) {
        const int logged = station.log().callCount();
        logRows(qMax(0, target - logged));
        QElapsedTimer t;
        t.start();
        logRows(sample);
        app.processEvents(); // let the view catch up, as it would on screen
        std::printf("%-22d %14.2f\n", target, t.nsecsElapsed() / 1000.0 / sample);
    }
    return 0;
}

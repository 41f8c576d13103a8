// Time per logged row with the log already holding 0, 10,000 and 100,000
// rows, and the memory a row takes. Run headless (QT_QPA_PLATFORM=offscreen).
#include "dsc/chiamate.h"
#include "platform/Ascii.h"
#include "platform/MessageGrid.h"
#include "platform/Modal.h"
#include "platform/UdpServer.h"
#include "shell/Unit1.h"
#include "shell/globals.h"
#include "SampleCall.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <malloc.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    set_program_folder(folder.path());
    modal::set_responder([](const modal::Request &) { return int(QMessageBox::Ok); });
    TForm1 form;
    form.show();
    form.UDP_RX->deactivate(); // rows are fed straight to the receive handler

    const TDscCall c = sample_call(QString(), "274111001", "INDIVIDUAL", "SAFETY", "POS REPORT");
    const QByteArray datagram = ascii_encode(datagram_text(DscWriter::Position, c, "269070001", KeyOrder::Standard));

    auto logRows = [&](int n) {
        for (int i = 0; i < n; ++i)
            form.UDP_RXUDPRead(datagram);
    };
    auto heap = [] { return mallinfo2().uordblks; };

    std::printf("%-22s %14s\n", "rows already logged", "us per row");
    const int sample = 2000;
    for (int target : {0, 10000, 100000}) {
        const int logged = form.log_started ? form.message_grid->rowCount() - 1 : 0;
        logRows(qMax(0, target - logged));
        QElapsedTimer t;
        t.start();
        logRows(sample);
        app.processEvents(); // let the view catch up, as it would on screen
        std::printf("%-22d %14.2f\n", target, t.nsecsElapsed() / 1000.0 / sample);
    }
    const size_t before = heap();
    const int rows = 20000;
    logRows(rows);
    app.processEvents();
    std::printf("heap per row: %.0f bytes\n", double(heap() - before) / rows);
    return 0;
}

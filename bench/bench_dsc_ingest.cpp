// A station under a flood of DSC datagrams over loopback, and the latency
// from a writer call to the row in the log. Run headless
// (QT_QPA_PLATFORM=offscreen) on a machine where port 8091 is free.
#include "core/dsc/CallBuilder.h"
#include "core/dsc/DscProtocol.h"
#include "core/dsc/UdpDscTransport.h"
#include "core/station/Station.h"
#include "core/text/Ascii.h"
#include "ui/MainWindow.h"
#include "ui/Modal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Worst delay of a 5 ms timer: how long the GUI thread was kept from its events.
struct LagMonitor
{
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
    LagMonitor()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.nsecsElapsed();
            worst = std::max(worst, now - last - 5000000);
            last = now;
        });
        clock.start();
        timer.start();
    }
};

void flood(int count, const QByteArray &datagram)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(dsc::ReceivePort);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (int i = 0; i < count; ++i)
        ::sendto(fd, datagram.constData(), size_t(datagram.size()), 0, reinterpret_cast<sockaddr *>(&to), sizeof to);
    ::close(fd);
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * ::sysconf(_SC_PAGESIZE);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    StationEnvironment environment;
    environment.setProgramFolder(folder.path());
    modal::set_responder([](const modal::Request &r) {
        std::fprintf(stderr, "message: %s\n", qPrintable(r.text));
        return int(QMessageBox::Ok);
    });
    MainWindow form(environment);
    form.show();
    if (!form.station().transport().isReceiving()) {
        std::fprintf(stderr, "port %d is taken\n", dsc::ReceivePort);
        return 1;
    }

    // Ingest: floods of 20,000, 100,000 and 1,000,000 datagrams; the log keeps
    // its newest MessageLog::MaxRows rows.
    const OutgoingCall call = call_builder::routine_call("269070001", "274111001", "06");
    const QByteArray datagram =
        ascii_encode(datagram_text(DscWriter::Plain, call.call, "269070001", KeyOrder::Standard));
    quint64 handled = 0;
    QObject::connect(&form.station(), &Station::callLogged, [&handled] { ++handled; });
    auto &server = static_cast<UdpDscTransport &>(form.station().transport()).server();
    for (const int count : {20000, 100000, 1000000}) {
        LagMonitor lag;
        const quint64 handledBefore = handled, droppedBefore = server.dropped();
        QElapsedTimer elapsed;
        elapsed.start();
        std::thread sender(flood, count, datagram);
        QElapsedTimer quiet;
        quiet.start();
        quint64 seen = handled;
        while (handled - handledBefore < quint64(count) && quiet.elapsed() < 2000) {
            app.processEvents(QEventLoop::WaitForMoreEvents, 50);
            if (handled != seen) {
                seen = handled;
                quiet.restart();
            }
        }
        const quint64 got = handled - handledBefore, dropped = server.dropped() - droppedBefore;
        const qint64 took = elapsed.elapsed() - (got < quint64(count) ? quiet.elapsed() : 0);
        sender.join();
        std::printf("ingest %7d: %llu logged in %lld ms (%.0f rows/s), %llu dropped by the receive queue, %llu lost "
                    "before it; log %d rows; resident %.0f MB; worst event-loop lag %.1f ms\n",
                    count, got, took, got * 1000.0 / std::max<qint64>(took, 1), dropped, count - got - dropped,
                    form.station().log().rowCount(), residentBytes() / 1e6, lag.worst / 1e6);
    }

    // Latency: writer call to the row at the receiving station (this one, local mode).
    std::vector<double> us;
    const int calls = 2000;
    for (int i = 0; i < calls; ++i) {
        const quint64 before = handled;
        QElapsedTimer t;
        t.start();
        form.station().send(call);
        while (handled == before)
            app.processEvents(QEventLoop::WaitForMoreEvents, 100);
        us.push_back(t.nsecsElapsed() / 1000.0);
    }
    std::sort(us.begin(), us.end());
    std::printf("latency writer -> logged row: p50 %.0f us, p99 %.0f us, max %.0f us (%d calls)\n", us[us.size() / 2],
                us[us.size() * 99 / 100], us.back(), calls);
    return 0;
}

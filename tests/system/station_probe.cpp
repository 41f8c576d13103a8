// One station for tests across network namespaces: the real main window,
// headless, driven by a list of steps that press its buttons and answer its
// dialogs as a trainee would.
//
//   station_probe FOLDER [--ready FIFO] [--timeout-ms T] [--clock HH:MM]
//                 [--fixed-draws] STEP...
//
// Steps, run in order:
//   wait:N                 until N calls are logged
//   routine:MMSI:ITEM      ROUTINE to MMSI, channel item ITEM, Transmit
//   distress:ITEM          DISTRESS with nature item ITEM, Transmit
//   ack:ROW:BUTTON[:OPTS]  click log row ROW, press BUTTON, answer Transmit;
//                          OPTS for the routine acknowledgement: unable, ITEM
//   print                  the log rows with their markers, and the alarms
//   after:MS               let MS milliseconds pass
//   channel:ROW            select channel row ROW
//   ptt-down, ptt-up       press and release push-to-talk
//
//   station_probe --measure FILE.raw FREQ   prints the amplitude of FREQ and
//                 the level of a raw 16-bit mono 16000 Hz recording
#include "Tone.h"
#include "core/station/Station.h"
#include "ui/AlarmPanels.h"
#include "ui/MainWindow.h"
#include "ui/MessagePage.h"
#include "ui/Modal.h"
#include "ui/RadioPage.h"
#include "ui/dialogs/DistressAlertDialog.h"
#include "ui/dialogs/RoutineAckDialog.h"
#include "ui/dialogs/RoutineCallDialog.h"
#include "ui/widgets/RadioGroup.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

namespace {

int logged(MainWindow &form)
{
    return form.station().log().callCount();
}

void print(MainWindow &form)
{
    const MessageLog &log = form.station().log();
    for (int r = 0; r < log.callCount(); ++r) {
        const LogRow &row = log.row(r);
        QStringList cells;
        for (int c = int(LogColumn::From); c <= int(LogColumn::Channel); ++c)
            cells << row.cell(c);
        const QString marker = row.marker.describe();
        cells << (marker.isEmpty() ? QStringLiteral("no marker") : marker);
        std::printf("ROW %s\n", cells.join(u'|').toUtf8().constData());
    }
    const AlarmPanels *alarms = form.alarmPanels();
    std::printf("ALARMS distress=%d routine=%d request=%d report=%d\n", alarms->isFlashing(AlarmClass::Distress),
                alarms->isFlashing(AlarmClass::Routine), alarms->isFlashing(AlarmClass::Request),
                alarms->isFlashing(AlarmClass::Report));
    std::fflush(stdout);
}

// Answers the next dialog with act; message boxes are printed and answered OK.
std::function<void(QDialog &)> next_dialog;

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: station_probe FOLDER [options] STEP...\n");
        return 2;
    }
    if (args.first() == QLatin1String("--measure") && args.size() >= 3) {
        QFile raw(args[1]);
        if (!raw.open(QIODevice::ReadOnly))
            return 2;
        const QByteArray bytes = raw.readAll();
        const QVector<short> samples(reinterpret_cast<const short *>(bytes.constData()),
                                     reinterpret_cast<const short *>(bytes.constData()) + bytes.size() / 2);
        const double frequency = args[2].toDouble();
        std::printf("tone=%d amplitude=%.0f level=%.0f seconds=%.1f\n", has_tone(samples, 16000, frequency),
                    tone_amplitude(samples, 16000, frequency), rms(samples), samples.size() / 16000.0);
        return 0;
    }
    StationEnvironment environment;
    environment.setProgramFolder(args.takeFirst());
    auto option = [&args](const char *name) {
        const qsizetype i = args.indexOf(QLatin1String(name));
        if (i < 0 || i + 1 >= args.size())
            return QString();
        const QString value = args[i + 1];
        args.remove(i, 2);
        return value;
    };
    const QString ready = option("--ready");
    const QString timeout = option("--timeout-ms");
    const QString clock = option("--clock");
    if (!clock.isEmpty())
        environment.setClock([clock] { return QDateTime(QDate::currentDate(), QTime::fromString(clock, "HH:mm")); });
    if (args.removeAll(QStringLiteral("--fixed-draws"))) {
        auto draws = std::make_shared<QList<int>>(QList<int>{7, 512, 33, 48});
        environment.setDraw([draws](int) {
            const int v = draws->takeFirst();
            draws->append(v);
            return v;
        });
    }
    modal::set_responder([](const modal::Request &r) {
        if (!r.dialog) {
            std::fprintf(stderr, "message: %s\n", qPrintable(r.text));
            return int(QMessageBox::Ok);
        }
        if (next_dialog)
            std::exchange(next_dialog, {})(*r.dialog);
        return r.dialog->result();
    });

    MainWindow form(environment);
    form.show();
    if (!form.station().transport().isReceiving())
        return 3;

    QStringList steps = args;
    std::function<void()> advance = [&] {
        while (!steps.isEmpty()) {
            const QStringList step = steps.first().split(u':');
            const QString kind = step[0];
            if (kind == "wait") {
                if (logged(form) < step.value(1).toInt())
                    return; // the next datagram brings us back
            } else if (kind == "print") {
                print(form);
            } else if (kind == "after") {
                steps.removeFirst();
                QTimer::singleShot(step.value(1).toInt(), &app, [&] { advance(); });
                return;
            } else if (kind == "channel") {
                form.station().channelSelector().select(step.value(1).toInt());
            } else if (kind == "ptt-down") {
                form.radioPage()->pushToTalkPressed();
            } else if (kind == "ptt-up") {
                form.radioPage()->pushToTalkReleased();
            } else if (kind == "routine") {
                next_dialog = [step](QDialog &d) {
                    auto &r = static_cast<RoutineCallDialog &>(d);
                    r.mmsiEdit->setText(step.value(1));
                    r.channelGroup->item(step.value(2).toInt())->click();
                    r.transmitButton->click();
                };
                form.findChild<QPushButton *>("spb_routine")->click();
            } else if (kind == "distress") {
                next_dialog = [step](QDialog &d) {
                    auto &r = static_cast<DistressAlertDialog &>(d);
                    r.natureGroup->item(step.value(1).toInt())->click();
                    r.transmitButton->click();
                };
                form.findChild<QPushButton *>("spb_distress")->click();
            } else if (kind == "ack") {
                form.messagePage()->clickCell(step.value(1).toInt(), 1);
                const QStringList opts = step.mid(3);
                next_dialog = [opts](QDialog &d) {
                    if (auto *r = qobject_cast<RoutineAckDialog *>(&d)) {
                        if (opts.contains("unable"))
                            r->unableButton->click();
                        for (const QString &o : opts)
                            if (o != "unable")
                                r->channelGroup->item(o.toInt())->click();
                    }
                    static_cast<AckDialog &>(d).transmitButton->click();
                };
                form.findChild<QPushButton *>(step.value(2))->click();
            } else {
                std::fprintf(stderr, "unknown step %s\n", qPrintable(steps.first()));
                app.exit(2);
                return;
            }
            steps.removeFirst();
        }
        app.exit(0);
    };
    QObject::connect(
        &form.station(), &Station::callLogged, &app, [&] { advance(); }, Qt::QueuedConnection);
    QTimer::singleShot(0, &app, advance);
    QTimer::singleShot(timeout.isEmpty() ? 10000 : timeout.toInt(), &app, [&] {
        std::printf("TIMEOUT at step %s with %d rows\n", qPrintable(steps.value(0)), logged(form));
        print(form);
        app.exit(1);
    });
    if (!ready.isEmpty()) {
        QFile fifo(ready);
        if (fifo.open(QIODevice::WriteOnly))
            fifo.write("ready\n");
    }
    return app.exec();
}

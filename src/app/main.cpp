#include "ui/MainWindow.h"
#include "ui/Modal.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/look/IcebergStyle.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPointer>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {
void describe(QCommandLineParser &options)
{
    options.setApplicationDescription(QStringLiteral(
        "DSC Quillet: a training simulator of the Digital Selective Calling unit of a marine VHF radio."));
    options.addHelpOption();
    options.addVersionOption();
}

// --help and --version are answered on the terminal, without a display.
void answerHelpAndVersion(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillet"));
    QCoreApplication::setApplicationVersion(AboutDialog::fileVersion());
    QCommandLineParser options;
    describe(options);
    options.parse(QCoreApplication::arguments());
    if (options.isSet(QStringLiteral("help")))
        options.showHelp(0);
    if (options.isSet(QStringLiteral("version")))
        options.showVersion();
    // Qt's own options have one dash: a long option is surely a mistake.
    for (const QString &option : options.unknownOptionNames())
        if (QCoreApplication::arguments().contains(QStringLiteral("--") + option)) {
            std::fprintf(stderr, "quillet: Unknown option '%s'.\nTry 'quillet --help'.\n", qPrintable(option));
            std::exit(2);
        }
}

// Anything else on the command line, once Qt has taken its own options: 2.
int checkOptions()
{
    QCommandLineParser options;
    describe(options);
    if (!options.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "quillet: %s\nTry 'quillet --help'.\n", qPrintable(options.errorText()));
        return 2;
    }
    if (!options.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "quillet: unexpected argument '%s'\nTry 'quillet --help'.\n",
                     qPrintable(options.positionalArguments().first()));
        return 2;
    }
    return 0;
}

// The write end of the pipe from the signal handler to the event loop: a
// handler may do no more than write to it.
int g_signalWrite = -1;

void onTerminate(int)
{
    const char byte = 1;
    (void)!::write(g_signalWrite, &byte, 1);
}

// What a termination signal asked for, and the window it ends.
struct Termination
{
    bool requested = false;
    QPointer<QWidget> window;
};

// SIGTERM (a session's logout, a system shutdown) and SIGINT end the station
// as its close button would, so its settings are saved. A message box still
// open (the start's notices) is answered first.
void watchTermination(Termination &termination, QObject *owner)
{
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return;
    g_signalWrite = fds[0];
    auto *notifier = new QSocketNotifier(fds[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [&termination, fd = fds[1]] {
        char byte;
        (void)!::read(fd, &byte, 1);
        termination.requested = true;
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
        if (termination.window && termination.window->isVisible()) {
            termination.window->close();
            QCoreApplication::quit();
        }
    });
    struct sigaction action
    {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

} // namespace

int main(int argc, char *argv[])
{
    answerHelpAndVersion(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillet"));
    QApplication::setApplicationDisplayName(QStringLiteral("DSC Quillet"));
    QApplication::setApplicationVersion(AboutDialog::fileVersion());
    QApplication::setDesktopFileName(QStringLiteral("org.dscquillet.Quillet"));
    if (const int code = checkOptions())
        return code;

    const QString styleError = iceberg_style::apply(app);
    if (!styleError.isEmpty())
        modal::show_error(styleError);

    Termination termination;
    watchTermination(termination, &app);
    MainWindow window{StationEnvironment()};
    // Ended while it told the user something at start: it never showed.
    if (termination.requested)
        return 0;
    termination.window = &window;
    window.show();
    if (termination.requested) {
        window.close();
        return 0;
    }
    return app.exec();
}

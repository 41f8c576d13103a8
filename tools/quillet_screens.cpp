// Renders the station's windows to PNG files in the folder given as the
// first argument, headless (QT_QPA_PLATFORM=offscreen).
#include "shell/About.h"
#include "shell/Unit1.h"
#include "shell/globals.h"
#include "shell/setup.h"
#include "platform/IcebergStyle.h"
#include "platform/Modal.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
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
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    QDir().mkpath(out);
    iceberg_style::apply(app);

    // A station of its own in a scratch folder, with no messages in the way.
    QTemporaryDir folder;
    set_program_folder(folder.path());
    modal::set_responder([](const modal::Request &r) { return r.dialog ? int(QDialog::Rejected) : int(QMessageBox::Ok); });

    bool ok = true;
    TForm1 form;
    form.show();
    ok &= save(form, out + QStringLiteral("/main_messages.png"));
    form.pager->setCurrentWidget(form.page_vhf);
    ok &= save(form, out + QStringLiteral("/main_radio.png"));

    {
        TFrmSetup setup;
        setup.show();
        ok &= save(setup, out + QStringLiteral("/setup.png"));
    }
    {
        TAboutBox about(&form);
        about.show();
        ok &= save(about, out + QStringLiteral("/about.png"));
    }
    return ok ? 0 : 1;
}

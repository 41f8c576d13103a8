#include "Unit1.h"
#include "platform/IcebergStyle.h"
#include "platform/Modal.h"
#include "platform/Random.h"

#include <QApplication>
#include <QDateTime>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillet"));
    QApplication::setApplicationDisplayName(QStringLiteral("DSC Quillet"));

    const QString styleError = iceberg_style::apply(app);
    if (!styleError.isEmpty())
        modal::show_error(styleError);

    // The one pseudo-random generator, seeded once from the clock.
    station_random::seed(quint32(QDateTime::currentMSecsSinceEpoch()));

    TForm1 form;
    form.show();
    return app.exec();
}

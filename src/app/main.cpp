#include "ui/MainWindow.h"
#include "ui/Modal.h"
#include "ui/look/IcebergStyle.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillet"));
    QApplication::setApplicationDisplayName(QStringLiteral("DSC Quillet"));

    const QString styleError = iceberg_style::apply(app);
    if (!styleError.isEmpty())
        modal::show_error(styleError);

    MainWindow window{StationEnvironment()};
    window.show();
    return app.exec();
}

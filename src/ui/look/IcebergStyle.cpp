#include "IcebergStyle.h"

#include "ui/look/StationFont.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

// The style sheet lives in the station library's resources, which a static
// library has to register by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace iceberg_style {

QString name()
{
    return QStringLiteral("Iceberg Classico");
}

QString apply(QApplication &app)
{
    QStyle *base = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!base)
        return QStringLiteral("Style '%1' not found: its base style is not installed.").arg(name());
    registerResources();
    QFile sheet(QStringLiteral(":/styles/iceberg_classico.qss"));
    if (!sheet.open(QIODevice::ReadOnly)) {
        delete base;
        return QStringLiteral("Style '%1' not found.").arg(name());
    }

    QPalette p;
    const QColor ice(226, 238, 250);
    const QColor frost(245, 250, 255);
    const QColor steel(120, 150, 185);
    p.setColor(QPalette::Window, ice);
    p.setColor(QPalette::WindowText, QColor(16, 32, 56));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, frost);
    p.setColor(QPalette::Button, QColor(214, 230, 248));
    p.setColor(QPalette::ButtonText, QColor(16, 32, 56));
    p.setColor(QPalette::Light, frost);
    p.setColor(QPalette::Midlight, QColor(232, 242, 252));
    p.setColor(QPalette::Mid, steel);
    p.setColor(QPalette::Dark, QColor(90, 120, 160));
    p.setColor(QPalette::Highlight, QColor(92, 150, 214));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, frost);
    p.setColor(QPalette::ToolTipText, QColor(16, 32, 56));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(140, 155, 175));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 155, 175));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(140, 155, 175));

    app.setStyle(base);
    app.setFont(station_font(8));
    app.setPalette(p);
    app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
    return QString();
}

} // namespace iceberg_style

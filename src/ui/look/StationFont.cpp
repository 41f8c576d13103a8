#include "StationFont.h"

#include <QStringList>

namespace {
QFont base(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setBold(bold);
    return font;
}
} // namespace

QFont station_font(int pointSize, bool bold)
{
    QFont font = base(bold);
    font.setPointSize(pointSize);
    return font;
}

QFont station_font_px(int pixelSize, bool bold)
{
    QFont font = base(bold);
    font.setPixelSize(pixelSize);
    return font;
}

QFont station_mono_font_px(int pixelSize)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixelSize);
    return font;
}

#include <QLabel>

void make_navy_label(QLabel *label, const QFont &font)
{
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    QPalette navy = label->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label->setPalette(navy);
}

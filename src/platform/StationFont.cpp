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

#pragma once

#include <QString>
#include <QtGlobal>

// A colour of the message log, kept without the GUI library; the window
// turns it into a QColor.
struct Rgb
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    // "#rrggbb"
    QString name() const
    {
        return QStringLiteral("#%1%2%3")
            .arg(red, 2, 16, QLatin1Char('0'))
            .arg(green, 2, 16, QLatin1Char('0'))
            .arg(blue, 2, 16, QLatin1Char('0'));
    }
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

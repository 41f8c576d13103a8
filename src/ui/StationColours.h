#pragma once

#include <QColor>

// The resting colours of the alarm panels.
namespace station_colours {
inline const QColor Distress(255, 210, 210);
inline const QColor Routine(210, 255, 210);
inline const QColor Request(255, 255, 210);
inline const QColor Report(128, 255, 255);
// The window's background behind the pages.
inline const QColor Window(191, 219, 255);
} // namespace station_colours

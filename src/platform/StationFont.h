#pragma once

#include <QFont>

// Tahoma where the desktop has it, else the closest narrow sans fonts, so
// that captions fit the fixed button sizes.
QFont station_font(int pointSize = 8, bool bold = false);
QFont station_font_px(int pixelSize, bool bold = false);

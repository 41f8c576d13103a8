#pragma once

#include <QFont>

// Tahoma where the desktop has it, else the closest narrow sans fonts, so
// that captions fit the fixed button sizes.
QFont station_font(int pointSize = 8, bool bold = false);
QFont station_font_px(int pixelSize, bool bold = false);
// Courier New where the desktop has it, else a metric-compatible mono font.
QFont station_mono_font_px(int pixelSize);
// Labels of the dialogs: Tahoma (or its stand-in) at pixelSize, navy.
class QLabel;
void make_navy_label(QLabel *label, const QFont &font);

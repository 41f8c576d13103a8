#pragma once

#include <QPixmap>

// The station's pictures, drawn in code so that no image files need shipping.
namespace pictures {

QPixmap radio(const QSize &size); // a VHF handset with its antenna
QPixmap push_to_talk(const QSize &size, bool pressed);
QPixmap program_icon(int side);

} // namespace pictures

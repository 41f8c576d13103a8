#pragma once

#include <QString>

#include "Rgb.h"

// Shapes a log row can carry in its marker column.
enum class MarkerShape { None, RightArrow, LeftArrow, Diamond, RoundedSquare };

struct LogMarker
{
    MarkerShape shape = MarkerShape::None;
    Rgb fill;
    Rgb outline;
    friend bool operator==(const LogMarker &, const LogMarker &) = default;

    // The marker in words ("right arrow, #ff0000 on #c0c0c0"), for screen
    // readers and tooltips; empty for no marker.
    QString describe() const;
};

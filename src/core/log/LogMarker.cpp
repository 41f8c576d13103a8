#include "LogMarker.h"

QString LogMarker::describe() const
{
    QString what;
    switch (shape) {
    case MarkerShape::None:
        return QString();
    case MarkerShape::RightArrow:
        what = QStringLiteral("right arrow");
        break;
    case MarkerShape::LeftArrow:
        what = QStringLiteral("left arrow");
        break;
    case MarkerShape::Diamond:
        what = QStringLiteral("diamond");
        break;
    case MarkerShape::RoundedSquare:
        what = QStringLiteral("acknowledged");
        break;
    }
    return QStringLiteral("%1, %2 on %3").arg(what, fill.name(), outline.name());
}

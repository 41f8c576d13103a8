#include "GridMarkerDelegate.h"

#include "MessageGrid.h"
#include "MessageGridModel.h"

#include <QPainter>
#include <QPainterPath>

GridMarkerDelegate::GridMarkerDelegate(MessageGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

namespace {

void paintMarker(QPainter *painter, const QRect &cell, const LogMarker &marker)
{
    if (marker.shape == MarkerShape::None)
        return;
    const int size = qMin(14, qMin(cell.width(), cell.height()) - 4);
    if (size <= 2)
        return;
    const QRectF box(cell.center().x() - size / 2.0 + 0.5, cell.center().y() - size / 2.0 + 0.5, size, size);
    QPainterPath path;
    switch (marker.shape) {
    case MarkerShape::RightArrow:
        path.moveTo(box.left(), box.top() + box.height() * 0.3);
        path.lineTo(box.center().x(), box.top() + box.height() * 0.3);
        path.lineTo(box.center().x(), box.top());
        path.lineTo(box.right(), box.center().y());
        path.lineTo(box.center().x(), box.bottom());
        path.lineTo(box.center().x(), box.top() + box.height() * 0.7);
        path.lineTo(box.left(), box.top() + box.height() * 0.7);
        path.closeSubpath();
        break;
    case MarkerShape::LeftArrow:
        path.moveTo(box.right(), box.top() + box.height() * 0.3);
        path.lineTo(box.center().x(), box.top() + box.height() * 0.3);
        path.lineTo(box.center().x(), box.top());
        path.lineTo(box.left(), box.center().y());
        path.lineTo(box.center().x(), box.bottom());
        path.lineTo(box.center().x(), box.top() + box.height() * 0.7);
        path.lineTo(box.right(), box.top() + box.height() * 0.7);
        path.closeSubpath();
        break;
    case MarkerShape::Diamond:
        path.moveTo(box.center().x(), box.top());
        path.lineTo(box.right(), box.center().y());
        path.lineTo(box.center().x(), box.bottom());
        path.lineTo(box.left(), box.center().y());
        path.closeSubpath();
        break;
    case MarkerShape::RoundedSquare:
        path.addRoundedRect(box.adjusted(1, 1, -1, -1), 3, 3);
        break;
    case MarkerShape::None:
        break;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(to_qcolor(marker.outline), 1));
    painter->setBrush(to_qcolor(marker.fill));
    painter->drawPath(path);
    painter->restore();
}

} // namespace

void GridMarkerDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int gridRow = index.row() + 1;
    QColor background = index.data(MessageGridModel::RowColourRole).value<QColor>();
    if (gridRow == m_grid->currentGridRow())
        background = MessageGrid::activeRowColour();
    else if (gridRow == m_grid->hoveredGridRow())
        background = MessageGrid::hoverRowColour();
    if (!background.isValid())
        background = option.palette.color(QPalette::Base);
    painter->fillRect(option.rect, background);

    if (index.column() == 0) {
        paintMarker(painter, option.rect, m_grid->gridModel()->marker(gridRow));
        return;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    painter->save();
    painter->setPen(option.palette.color(QPalette::Text));
    painter->setFont(option.font);
    const QRect textRect = option.rect.adjusted(3, 0, -2, 0);
    const QString shown = option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter->restore();
}

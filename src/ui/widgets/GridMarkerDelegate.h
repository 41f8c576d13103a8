#pragma once

#include <QStyledItemDelegate>

class MessageGrid;

// Paints a message grid cell: the row's background (active row, hovered row,
// or the row's own colour), the text centred vertically, and in column 0 the
// row's marker shape. The selection highlight is never drawn.
class GridMarkerDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit GridMarkerDelegate(MessageGrid *grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    MessageGrid *m_grid;
};

#include "MessageGridModel.h"

QString describe(const GridMarker &marker)
{
    switch (marker.shape) {
    case MarkerShape::None:
        return QString();
    case MarkerShape::RightArrow:
        return QStringLiteral("right arrow, %1 on %2").arg(marker.fill.name(), marker.outline.name());
    case MarkerShape::LeftArrow:
        return QStringLiteral("left arrow, %1 on %2").arg(marker.fill.name(), marker.outline.name());
    case MarkerShape::Diamond:
        return QStringLiteral("diamond, %1 on %2").arg(marker.fill.name(), marker.outline.name());
    case MarkerShape::RoundedSquare:
        return QStringLiteral("acknowledged, %1 on %2").arg(marker.fill.name(), marker.outline.name());
    }
    return QString();
}

MessageGridModel::MessageGridModel(QObject *parent) : QAbstractTableModel(parent) {}

void MessageGridModel::setHeaders(const QStringList &headers)
{
    for (int c = 0; c < ColumnCount; ++c)
        m_headers[c] = c < headers.size() ? headers[c] : QString();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

MessageGridModel::Row *MessageGridModel::rowAt(int gridRow)
{
    if (gridRow < 1 || gridRow > int(m_rows.size()))
        return nullptr;
    return &m_rows[gridRow - 1];
}

const MessageGridModel::Row *MessageGridModel::rowAt(int gridRow) const
{
    return const_cast<MessageGridModel *>(this)->rowAt(gridRow);
}

void MessageGridModel::appendRow()
{
    const int at = int(m_rows.size());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.emplace_back();
    endInsertRows();
}

void MessageGridModel::setCell(int column, int gridRow, const QString &text)
{
    if (column < 0 || column >= ColumnCount)
        return;
    if (gridRow == 0) {
        m_headers[column] = text;
        emit headerDataChanged(Qt::Horizontal, column, column);
        return;
    }
    Row *row = rowAt(gridRow);
    if (!row)
        return;
    row->cells[column] = text;
    const QModelIndex i = index(gridRow - 1, column);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

QString MessageGridModel::cell(int column, int gridRow) const
{
    if (column < 0 || column >= ColumnCount)
        return QString();
    if (gridRow == 0)
        return m_headers[column];
    const Row *row = rowAt(gridRow);
    return row ? row->cells[column] : QString();
}

void MessageGridModel::setMarker(int gridRow, const GridMarker &marker)
{
    Row *row = rowAt(gridRow);
    if (!row)
        return;
    row->marker = marker;
    const QModelIndex i = index(gridRow - 1, 0);
    emit dataChanged(i, i);
}

GridMarker MessageGridModel::marker(int gridRow) const
{
    const Row *row = rowAt(gridRow);
    return row ? row->marker : GridMarker();
}

void MessageGridModel::setRowColour(int gridRow, const QColor &colour)
{
    Row *row = rowAt(gridRow);
    if (!row)
        return;
    row->background = colour;
    emit dataChanged(index(gridRow - 1, 0), index(gridRow - 1, ColumnCount - 1));
}

QColor MessageGridModel::rowColour(int gridRow) const
{
    const Row *row = rowAt(gridRow);
    return row ? row->background : QColor();
}

int MessageGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int MessageGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MessageGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return QVariant();
    const Row &row = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return row.cells[index.column()];
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        // The marker is drawn, so say in words what it shows.
        if (index.column() == 0) {
            const QString words = describe(row.marker);
            return words.isEmpty() ? row.cells[0] : words;
        }
        return role == Qt::AccessibleTextRole ? QVariant(row.cells[index.column()]) : QVariant();
    case MarkerRole:
        return QVariant::fromValue(int(row.marker.shape));
    case RowColourRole:
        return row.background;
    default:
        return QVariant();
    }
}

QVariant MessageGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < ColumnCount
        && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return m_headers[section];
    return QVariant();
}

Qt::ItemFlags MessageGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

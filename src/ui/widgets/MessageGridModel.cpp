#include "MessageGridModel.h"

#include "core/log/MessageLog.h"

MessageGridModel::MessageGridModel(const MessageLog &log, QObject *parent) : QAbstractTableModel(parent), m_log(log)
{
    connect(&log, &MessageLog::rowAboutToBeAdded, this, [this](int row) { beginInsertRows(QModelIndex(), row, row); });
    connect(&log, &MessageLog::rowAdded, this, [this] { endInsertRows(); });
    connect(&log, &MessageLog::rowsAboutToBeRemoved, this,
            [this](int count) { beginRemoveRows(QModelIndex(), 0, count - 1); });
    connect(&log, &MessageLog::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(&log, &MessageLog::rowChanged, this,
            [this](int row) { emit dataChanged(index(row, 0), index(row, ColumnCount - 1)); });
}

void MessageGridModel::setHeaders(const QStringList &headers)
{
    for (int c = 0; c < ColumnCount; ++c)
        m_headers[c] = c < headers.size() ? headers[c] : QString();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int MessageGridModel::gridRowCount() const
{
    return m_log.rowCount() + 1;
}

QString MessageGridModel::cell(int column, int gridRow) const
{
    if (column < 0 || column >= ColumnCount)
        return QString();
    if (gridRow == 0)
        return m_headers[column];
    return m_log.cell(gridRow - 1, LogColumn(column));
}

LogMarker MessageGridModel::marker(int gridRow) const
{
    return m_log.row(gridRow - 1).marker;
}

QColor MessageGridModel::rowColour(int gridRow) const
{
    const std::optional<Rgb> &background = m_log.row(gridRow - 1).background;
    return background ? to_qcolor(*background) : QColor();
}

int MessageGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_log.rowCount();
}

int MessageGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MessageGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_log.rowCount())
        return QVariant();
    const LogRow &row = m_log.row(index.row());
    const QString text = row.cell(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return text;
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        // The marker is drawn, so say in words what it shows.
        if (index.column() == 0) {
            const QString words = row.marker.describe();
            return words.isEmpty() ? text : words;
        }
        return role == Qt::AccessibleTextRole ? QVariant(text) : QVariant();
    case MarkerRole:
        return QVariant::fromValue(int(row.marker.shape));
    case RowColourRole:
        return row.background ? to_qcolor(*row.background) : QColor();
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

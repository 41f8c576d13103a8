#include "MessageGrid.h"

#include "GridMarkerDelegate.h"

#include <QHeaderView>
#include <QMouseEvent>

MessageGrid::MessageGrid(const MessageLog &log, QWidget *parent)
    : QTableView(parent), m_model(new MessageGridModel(log, this))
{
    setModel(m_model);
    // Keyboard moves of the current row.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (m_syncing || !current.isValid())
            return;
        m_currentRow = current.row() + 1;
        viewport()->update();
    });
    // The oldest rows leaving the log take the row numbers down with them.
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex &, int first, int last) {
        const int count = last - first + 1;
        m_currentRow = m_currentRow - count >= 1 ? m_currentRow - count : -1;
        m_hoveredRow = -1;
    });
    setItemDelegate(new GridMarkerDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setMouseTracking(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);

    QHeaderView *header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(0);
    header->setFixedHeight(22);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    // A press on the fixed row is a cell click on row 0.
    connect(header, &QHeaderView::sectionPressed, this, [this](int column) { emit clickCell(0, column); });

    for (int c = 0; c < MessageGridModel::ColumnCount; ++c)
        setColWidth(c, 64);
}

void MessageGrid::setColWidth(int column, int width)
{
    if (column < 0 || column >= MessageGridModel::ColumnCount)
        return;
    m_widths[column] = qMax(0, width);
    setColumnHidden(column, width <= 0);
    if (width > 0)
        setColumnWidth(column, width);
}

int MessageGrid::colWidth(int column) const
{
    return column >= 0 && column < MessageGridModel::ColumnCount ? m_widths[column] : 0;
}

void MessageGrid::setCurrentGridRow(int row)
{
    if (row < 1 || row >= rowCount())
        return;
    m_currentRow = row;
    viewport()->update();
    // The view's own current index and scroll position follow once per turn
    // of the event loop: right after an append, locating a row costs the
    // view time in proportion to the length of the log, so a burst of calls
    // pays it once instead of once per row.
    if (!m_syncPending) {
        m_syncPending = true;
        QMetaObject::invokeMethod(this, &MessageGrid::syncCurrentIndex, Qt::QueuedConnection);
    }
}

void MessageGrid::syncCurrentIndex()
{
    m_syncPending = false;
    if (m_currentRow < 1 || m_currentRow >= rowCount())
        return;
    const QModelIndex index = m_model->index(m_currentRow - 1, 1);
    m_syncing = true;
    // No selection is kept: the grid does not draw one.
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    m_syncing = false;
    scrollTo(index);
}

void MessageGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    const int before = currentGridRow();
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && index.isValid()) {
        setCurrentGridRow(index.row() + 1);
        emit clickCell(index.row() + 1, index.column());
    }
    if (before != currentGridRow())
        viewport()->update();
}

void MessageGrid::mouseMoveEvent(QMouseEvent *event)
{
    QTableView::mouseMoveEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    setHoveredRow(index.isValid() ? index.row() + 1 : -1);
}

void MessageGrid::leaveEvent(QEvent *event)
{
    QTableView::leaveEvent(event);
    setHoveredRow(-1);
}

void MessageGrid::setHoveredRow(int row)
{
    if (row == m_hoveredRow)
        return;
    m_hoveredRow = row;
    viewport()->update();
}

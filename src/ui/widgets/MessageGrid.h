#pragma once

#include <QColor>
#include <QTableView>
#include <array>

#include "MessageGridModel.h"

class MessageLog;

// The station's string grid: a fixed header row and a fixed marker column,
// hidden zero-width columns, hovered and active rows highlighted, and a cell
// click raised for a mouse press on any cell, header row included. Keyboard
// and program moves of the current row raise nothing.
class MessageGrid : public QTableView
{
    Q_OBJECT
public:
    // The grid shows log; log outlives it.
    explicit MessageGrid(const MessageLog &log, QWidget *parent = nullptr);

    static QColor activeRowColour() { return QColor(255, 255, 193); }
    static QColor hoverRowColour() { return QColor(232, 242, 254); }

    MessageGridModel *gridModel() const { return m_model; }

    int rowCount() const { return m_model->gridRowCount(); }
    QString cell(int column, int row) const { return m_model->cell(column, row); }

    // A width of 0 hides the column.
    void setColWidth(int column, int width);
    int colWidth(int column) const;

    // Grid row numbers: 0 is the header row, data rows start at 1.
    void setCurrentGridRow(int row);
    int currentGridRow() const { return m_currentRow; }
    int hoveredGridRow() const { return m_hoveredRow; }

signals:
    void clickCell(int row, int column);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setHoveredRow(int row);
    void syncCurrentIndex();

    MessageGridModel *m_model;
    std::array<int, MessageGridModel::ColumnCount> m_widths{};
    int m_hoveredRow = -1;
    int m_currentRow = -1;
    bool m_syncPending = false;
    bool m_syncing = false;
};

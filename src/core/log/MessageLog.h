#pragma once

#include <QObject>
#include <deque>

#include "LogRow.h"

// The message log: one row per call heard, in arrival order. Until the first
// call it shows one empty row, which the first call fills; every later call
// adds a row at the bottom. Rows are numbered from 0.
//
// The log keeps at most MaxRows rows: a call that would pass the limit first
// takes the oldest DropRows rows out, all at once, and every row number above
// them goes down by that many (rowsRemoved says so).
class MessageLog : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxRows = 100000;
    static constexpr int DropRows = 1000;

    explicit MessageLog(QObject *parent = nullptr);

    int rowCount() const { return int(m_rows.size()); }
    // Calls logged so far.
    int callCount() const { return m_started ? rowCount() : 0; }
    // The row of the latest call; -1 before the first.
    int lastLoggedRow() const { return m_started ? rowCount() - 1 : -1; }
    // A row outside the log reads as an empty row.
    const LogRow &row(int row) const;
    QString cell(int row, LogColumn column) const { return this->row(row).cell(column); }

    // Logs a call; returns its row.
    int append(const LogRow &row);
    // The row's marker and background after an acknowledgement.
    void markHandled(int row, const LogMarker &marker, const Rgb &background);

signals:
    // Around a new row at the bottom (not for the first call, which fills
    // the empty row).
    void rowAboutToBeAdded(int row);
    void rowAdded(int row);
    void rowChanged(int row);
    // Around the oldest count rows leaving the log.
    void rowsAboutToBeRemoved(int count);
    void rowsRemoved(int count);

private:
    std::deque<LogRow> m_rows;
    bool m_started = false;
};

#include "MessageLog.h"

MessageLog::MessageLog(QObject *parent) : QObject(parent), m_rows(1) {}

const LogRow &MessageLog::row(int row) const
{
    static const LogRow empty;
    return row >= 0 && row < rowCount() ? m_rows[size_t(row)] : empty;
}

int MessageLog::append(const LogRow &row)
{
    if (!m_started) {
        m_started = true;
        m_rows.front() = row;
        emit rowChanged(0);
        return 0;
    }
    if (rowCount() >= MaxRows) {
        emit rowsAboutToBeRemoved(DropRows);
        m_rows.erase(m_rows.begin(), m_rows.begin() + DropRows);
        emit rowsRemoved(DropRows);
    }
    const int at = rowCount();
    emit rowAboutToBeAdded(at);
    m_rows.push_back(row);
    emit rowAdded(at);
    return at;
}

void MessageLog::markHandled(int row, const LogMarker &marker, const Rgb &background)
{
    if (row < 0 || row >= rowCount())
        return;
    LogRow &r = m_rows[size_t(row)];
    r.marker = marker;
    r.background = background;
    emit rowChanged(row);
}

#include "LogRow.h"

#include <limits>

LogRow::LogRow(const Cells &cells, const LogMarker &marker) : marker(marker)
{
    for (size_t c = 0; c < cells.size(); ++c) {
        // Received texts are short (at most a few words); a longer one is cut
        // where the offsets end.
        const QByteArray text = cells[c].toUtf8();
        const qsizetype room = std::numeric_limits<quint16>::max() - m_text.size();
        m_text += text.left(room);
        m_ends[c] = quint16(m_text.size());
    }
    m_text.squeeze();
}

QString LogRow::cell(int column) const
{
    if (column < 0 || column >= LogColumnCount)
        return QString();
    const int start = column == 0 ? 0 : m_ends[size_t(column) - 1];
    return QString::fromUtf8(m_text.constData() + start, m_ends[size_t(column)] - start);
}

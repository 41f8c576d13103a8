#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <array>

#include "core/log/LogRow.h"

class MessageLog;

// The message log as the grid shows it. Row numbers of the grid are its
// own: row 0 is the fixed header row, so grid row r is log row r - 1.
class MessageGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int ColumnCount = LogColumnCount;
    enum Role { MarkerRole = Qt::UserRole + 1, RowColourRole };

    explicit MessageGridModel(const MessageLog &log, QObject *parent = nullptr);

    void setHeaders(const QStringList &headers);

    // Grid view of the rows, header row included.
    int gridRowCount() const;
    QString cell(int column, int gridRow) const;
    LogMarker marker(int gridRow) const;
    QColor rowColour(int gridRow) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    const MessageLog &m_log;
    std::array<QString, ColumnCount> m_headers;
};

inline QColor to_qcolor(const Rgb &c)
{
    return QColor(c.red, c.green, c.blue);
}

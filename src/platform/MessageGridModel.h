#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <array>
#include <deque>

// Shapes a grid row can carry in its marker column.
enum class MarkerShape { None, RightArrow, LeftArrow, Diamond, RoundedSquare };

struct GridMarker
{
    MarkerShape shape = MarkerShape::None;
    QColor fill;
    QColor outline;
    friend bool operator==(const GridMarker &, const GridMarker &) = default;
};

QString describe(const GridMarker &marker);

// Rows of the message log. Row numbers are the grid's own: row 0 is the fixed
// header row, so grid row r is model row r - 1. Rows are only ever appended;
// an append costs the same whatever the length of the log.
class MessageGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int ColumnCount = 22;
    enum Role { MarkerRole = Qt::UserRole + 1, RowColourRole };

    explicit MessageGridModel(QObject *parent = nullptr);

    void setHeaders(const QStringList &headers);

    // Grid view of the rows, header row included.
    int gridRowCount() const { return int(m_rows.size()) + 1; }
    void appendRow();
    void setCell(int column, int gridRow, const QString &text);
    QString cell(int column, int gridRow) const;
    void setMarker(int gridRow, const GridMarker &marker);
    GridMarker marker(int gridRow) const;
    void setRowColour(int gridRow, const QColor &colour);
    QColor rowColour(int gridRow) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Row
    {
        std::array<QString, ColumnCount> cells;
        GridMarker marker;
        QColor background; // invalid: the grid's default
    };
    Row *rowAt(int gridRow);
    const Row *rowAt(int gridRow) const;

    std::deque<Row> m_rows;
    std::array<QString, ColumnCount> m_headers;
};

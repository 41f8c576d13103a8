#pragma once

#include <QObject>

// Which row of the channel table the radio is tuned to. Starts on row 16;
// previous() and next() wrap around the table's ends.
class ChannelSelector : public QObject
{
    Q_OBJECT
public:
    static constexpr int StartRow = 16;

    explicit ChannelSelector(int rows, QObject *parent = nullptr);

    int row() const { return m_row; }
    void previous();
    void next();
    // The row as given; readers of the table take the nearest row.
    void select(int row);

signals:
    void tuned(int row);

private:
    int m_rows;
    int m_row = StartRow;
};

#pragma once

#include <QWidget>
#include <array>

#include "core/log/AckAvailability.h"

class MessageGrid;
class QGroupBox;
class QPushButton;
class Station;

// The " DSC Messages  " page: the message log, the nine call buttons and the
// six acknowledgement buttons, which offer what fits the row last clicked.
class MessagePage : public QWidget
{
    Q_OBJECT
public:
    MessagePage(Station &station, QWidget *parent = nullptr);

    MessageGrid *grid() const { return m_grid; }
    QPushButton *ackButton(AckKind kind) const { return m_ackButtons[size_t(kind)]; }
    // The log row the acknowledgement buttons act on; -1 before any fits.
    int selectedRow() const { return m_selectedRow; }

    // A click on a cell of the grid (grid rows: 0 is the header row).
    void clickCell(int gridRow, int column);
    void acknowledge(AckKind kind);

    MessageGrid *m_grid = nullptr;
    QGroupBox *callFrame = nullptr, *ackFrame = nullptr;

private:
    void callLogged(int row);

    Station &m_station;
    std::array<QPushButton *, 6> m_ackButtons{};
    int m_selectedRow = -1;
};

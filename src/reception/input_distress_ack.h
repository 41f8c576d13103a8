#pragma once

#include "AckDialog.h"

class MessageGrid;

// Acknowledges a distress alert; shows what the logged row says of it.
class TfrmDistress : public AckDialog
{
    Q_OBJECT
public:
    TfrmDistress(QWidget *owner, const MessageGrid &grid, int row);

    QGroupBox *GroupBox1 = nullptr;
    QLabel *lbl_distressID = nullptr, *Lbl_natureOf = nullptr, *lbl_latitudeOf = nullptr,
           *lbl_longitudeOf = nullptr, *lbl_TimeOf = nullptr;

protected:
    void FormShow() override;

private:
    const MessageGrid &m_grid;
    int m_row;
};

#pragma once

#include "AckDialog.h"

#include "core/log/LogRow.h"

// Acknowledges a distress alert; shows what the logged row says of it.
class DistressAckDialog : public AckDialog
{
    Q_OBJECT
public:
    DistressAckDialog(QWidget *owner, const LogRow &row);

    QGroupBox *GroupBox1 = nullptr;
    QLabel *lbl_distressID = nullptr, *Lbl_natureOf = nullptr, *lbl_latitudeOf = nullptr,
           *lbl_longitudeOf = nullptr, *lbl_TimeOf = nullptr;

protected:
    void FormShow() override;

private:
    LogRow m_row;
};

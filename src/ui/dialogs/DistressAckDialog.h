#pragma once

#include "AckDialog.h"

#include "core/log/LogRow.h"

// Acknowledges a distress alert; shows what the logged row says of it.
class DistressAckDialog : public AckDialog
{
    Q_OBJECT
public:
    DistressAckDialog(QWidget *owner, const LogRow &row);

    QGroupBox *frame = nullptr;
    QLabel *distressedIdLabel = nullptr, *natureLabel = nullptr, *latitudeLabel = nullptr, *longitudeLabel = nullptr,
           *timeLabel = nullptr;

protected:
    void prepareToShow() override;

private:
    LogRow m_row;
};

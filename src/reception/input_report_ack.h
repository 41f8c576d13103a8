#pragma once

#include "AckDialog.h"

class TfrmReportAck : public AckConfirmDialog
{
    Q_OBJECT
public:
    explicit TfrmReportAck(QWidget *owner);
};

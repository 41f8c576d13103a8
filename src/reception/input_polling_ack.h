#pragma once

#include "AckDialog.h"

class TfrmPollingAck : public AckConfirmDialog
{
    Q_OBJECT
public:
    explicit TfrmPollingAck(QWidget *owner);
};

#pragma once

#include "AckDialog.h"

class TfrmTestAck : public AckConfirmDialog
{
    Q_OBJECT
public:
    explicit TfrmTestAck(QWidget *owner);
};

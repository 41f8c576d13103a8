#pragma once

#include "DestinationDialog.h"

// Destination of position requests, polling, test calls and position reports.
class DestinationMmsiDialog : public DestinationDialog
{
    Q_OBJECT
public:
    explicit DestinationMmsiDialog(QWidget *owner);
};

#pragma once

#include "DestinationDialog.h"

// Destination of position requests, polling, test calls and position reports.
class Tfrm_input_mmsi : public DestinationDialog
{
    Q_OBJECT
public:
    explicit Tfrm_input_mmsi(QWidget *owner);
};

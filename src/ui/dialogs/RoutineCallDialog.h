#pragma once

#include "DestinationDialog.h"

class RadioGroup;

// Routine and group calls: destination MMSI and the proposed working channel.
class RoutineCallDialog : public DestinationDialog
{
    Q_OBJECT
public:
    explicit RoutineCallDialog(QWidget *owner);

    RadioGroup *channelGroup = nullptr;

    // Two-digit CH of the selected channel item ("06" for "6").
    QString channelCode() const;
};

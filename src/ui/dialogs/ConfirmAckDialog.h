#pragma once

#include "AckDialog.h"

// An acknowledgement that only asks for confirmation: a " WARNING " frame
// with fixed text.
class ConfirmAckDialog : public AckDialog
{
    Q_OBJECT
public:
    enum Kind { Polling, Test, PositionReport };

    ConfirmAckDialog(Kind kind, QWidget *owner);

    Kind kind() const { return m_kind; }

    QGroupBox *warningFrame = nullptr;
    QList<QLabel *> lines;

private:
    Kind m_kind;
};

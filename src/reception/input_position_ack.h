#pragma once

#include "AckDialog.h"

// Answers a position request with a simulated fix near the configured
// position, drawn anew each time the dialog opens.
class TfrmPositionAck : public AckDialog
{
    Q_OBJECT
public:
    explicit TfrmPositionAck(QWidget *owner);

    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;

protected:
    void FormShow() override;
};

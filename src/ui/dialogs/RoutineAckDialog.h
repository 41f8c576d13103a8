#pragma once

#include "AckDialog.h"

#include "core/log/LogRow.h"

class QRadioButton;
class RadioGroup;
class QPushButton;

// Answers a routine call: able or unable to comply, on the proposed channel
// or on one of six.
class RoutineAckDialog : public AckDialog
{
    Q_OBJECT
public:
    RoutineAckDialog(QWidget *owner, const LogRow &row);

    QGroupBox *GroupBox1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QRadioButton *RadioButton1 = nullptr, *RadioButton2 = nullptr;
    RadioGroup *RadioGroup1 = nullptr;
    QPushButton *spb_clear = nullptr;

    // The channel to send: the proposed one when none is selected.
    QString channel() const;
    bool able() const;

    void RadioGroup1Click(int index);
    void spb_clearClick();

protected:
    void FormShow() override;

private:
    LogRow m_row;
};

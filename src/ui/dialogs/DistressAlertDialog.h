#pragma once

#include "ui/widgets/FixedDialog.h"

class QGroupBox;
class QLabel;
class QPushButton;
class RadioGroup;

// Simulates a distress alert from a distressed ship nearby: a warning and
// the nature of distress.
class DistressAlertDialog : public FixedDialog
{
    Q_OBJECT
public:
    explicit DistressAlertDialog(QWidget *owner);

    QGroupBox *GroupBox1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    RadioGroup *RadioGroup1 = nullptr;
    QPushButton *spb_send = nullptr, *btn_quit = nullptr;

    // "01" to "11" for the selected nature.
    QString natureCode() const;

    void spb_sendClick() { accept(); }
    void btn_quitClick() { reject(); }
};

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

    QGroupBox *warningFrame = nullptr;
    QLabel *warningLine1 = nullptr, *warningLine2 = nullptr;
    RadioGroup *natureGroup = nullptr;
    QPushButton *transmitButton = nullptr, *quitButton = nullptr;

    // "01" to "11" for the selected nature.
    QString natureCode() const;
};

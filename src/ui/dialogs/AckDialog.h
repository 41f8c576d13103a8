#pragma once

#include "ui/widgets/FixedDialog.h"

class QGroupBox;
class QLabel;
class QPushButton;

// What every acknowledgement dialog has: "Transmit" (result OK) bottom left
// and "Quit" (result Cancel) bottom right, and navy labels in a frame.
class AckDialog : public FixedDialog
{
    Q_OBJECT
public:
    QPushButton *transmitButton = nullptr;
    QPushButton *quitButton = nullptr;

protected:
    AckDialog(QWidget *owner, const QSize &clientSize);

    QGroupBox *addGroup(const char *name, const QString &caption, const QRect &geometry);
    QLabel *addLabel(QGroupBox *group, const char *name, const QString &text, const QFont &font, const QRect &geometry);
};

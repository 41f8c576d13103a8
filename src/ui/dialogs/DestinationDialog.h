#pragma once

#include "ui/widgets/FixedDialog.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

// What the routine and the destination dialogs share: a nine-digit MMSI
// field, and "Transmit" (enabled only for exactly nine characters), "Clear"
// and "Quit" in one row along the bottom.
class DestinationDialog : public FixedDialog
{
    Q_OBJECT
public:
    QGroupBox *mmsiFrame = nullptr;
    QLineEdit *mmsiEdit = nullptr;
    QPushButton *transmitButton = nullptr;
    QPushButton *clearButton = nullptr;
    QPushButton *quitButton = nullptr;

    // The typed MMSI without leading and trailing blanks.
    QString destination() const;

    void mmsiChanged();
    void clearMmsi();

protected:
    DestinationDialog(QWidget *owner, const QSize &clientSize, TitleButtons buttons, const QString &caption,
                      const QRect &groupGeometry, int buttonsTop);
    void prepareToShow() override;
};

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
    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *spb_send = nullptr;
    QPushButton *spb_clear = nullptr;
    QPushButton *btn_quit = nullptr;

    // The typed MMSI without leading and trailing blanks.
    QString destination() const;

    void Edit1Change();
    void spb_sendClick() { accept(); }
    void spb_clearClick();
    void btn_quitClick() { reject(); }

protected:
    DestinationDialog(QWidget *owner, const QSize &clientSize, TitleButtons buttons, const QString &caption,
                      const QRect &groupGeometry, int buttonsTop);
    void FormShow() override;
};

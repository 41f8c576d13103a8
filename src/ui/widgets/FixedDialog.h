#pragma once

#include <QDialog>

// A modal dialog of the station: caption "DSC Quillet", a fixed border,
// a fixed client area, Tahoma 11 pixels, centred on its owner when shown.
class FixedDialog : public QDialog
{
    Q_OBJECT
public:
    enum TitleButtons { NoTitleButtons, CloseButton };

    FixedDialog(QWidget *owner, const QSize &clientSize, TitleButtons buttons = NoTitleButtons);

protected:
    void showEvent(QShowEvent *event) override;
    // The dialog's own show step, run each time it is shown.
    virtual void prepareToShow() {}
};

#include "FixedDialog.h"

#include "ui/look/StationFont.h"

#include <QShowEvent>

FixedDialog::FixedDialog(QWidget *owner, const QSize &clientSize, TitleButtons buttons) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("DSC Quillet"));
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (buttons == CloseButton)
        flags |= Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setFixedSize(clientSize);
    setFont(station_font_px(11));
}

void FixedDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QWidget *owner = parentWidget())
        move(owner->frameGeometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    prepareToShow();
}

#include "DestinationMmsiDialog.h"

DestinationMmsiDialog::DestinationMmsiDialog(QWidget *owner)
    : DestinationDialog(owner, QSize(263, 149), CloseButton, QStringLiteral(" Input destination MMSI "),
                        QRect(8, 8, 247, 84), 108)
{
    setObjectName(QStringLiteral("frm_input_mmsi"));
}

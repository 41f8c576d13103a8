#include "input_polling_ack.h"

TfrmPollingAck::TfrmPollingAck(QWidget *owner) : AckConfirmDialog(owner, QSize(403, 178), {QStringLiteral("This function will transmit a DSC POLLING ACKNOWLEDGE")})
{
    setObjectName(QStringLiteral("frmPollingAck"));
}

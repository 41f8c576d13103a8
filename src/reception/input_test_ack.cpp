#include "input_test_ack.h"

TfrmTestAck::TfrmTestAck(QWidget *owner) : AckConfirmDialog(owner, QSize(391, 196), {QStringLiteral("This function will transmit a DSC TEST ACKNOWLEDGE")})
{
    setObjectName(QStringLiteral("frmTestAck"));
}

#include "input_report_ack.h"

TfrmReportAck::TfrmReportAck(QWidget *owner) : AckConfirmDialog(owner, QSize(403, 178), {QStringLiteral("This function will transmit a DSC POSITION REPORT "), QStringLiteral("ACKNOWLEDGE")})
{
    setObjectName(QStringLiteral("frmReportAck"));
}

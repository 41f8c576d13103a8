#include "ConfirmAckDialog.h"

#include "ui/look/StationFont.h"

#include <QGroupBox>
#include <QLabel>

namespace {
struct Look
{
    const char *name;
    QSize clientSize;
    QStringList text;
};

Look lookOf(ConfirmAckDialog::Kind kind)
{
    switch (kind) {
    case ConfirmAckDialog::Polling:
        return {"frmPollingAck",
                QSize(403, 178),
                {QStringLiteral("This function will transmit a DSC POLLING ACKNOWLEDGE")}};
    case ConfirmAckDialog::Test:
        return {"frmTestAck", QSize(391, 196), {QStringLiteral("This function will transmit a DSC TEST ACKNOWLEDGE")}};
    case ConfirmAckDialog::PositionReport:
        break;
    }
    return {"frmReportAck",
            QSize(403, 178),
            {QStringLiteral("This function will transmit a DSC POSITION REPORT "), QStringLiteral("ACKNOWLEDGE")}};
}
} // namespace

ConfirmAckDialog::ConfirmAckDialog(Kind kind, QWidget *owner) : AckDialog(owner, lookOf(kind).clientSize), m_kind(kind)
{
    const Look look = lookOf(kind);
    setObjectName(QLatin1String(look.name));
    const QSize clientSize = look.clientSize;
    const QStringList &text = look.text;
    const int height = clientSize.height() - 60;
    warningFrame = addGroup("GroupBox1", QStringLiteral(" WARNING "), QRect(8, 8, clientSize.width() - 16, height));
    const int top = (height - 22 * int(text.size())) / 2 + 6;
    for (int i = 0; i < text.size(); ++i) {
        QLabel *l = addLabel(warningFrame, qPrintable(QStringLiteral("Label%1").arg(i + 1)), text[i],
                             station_font_px(13), QRect(10, top + i * 22, clientSize.width() - 36, 20));
        if (i > 0)
            l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter); // the continuation line stands centred
        lines << l;
    }
}

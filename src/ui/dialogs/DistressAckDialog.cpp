#include "DistressAckDialog.h"

#include "ui/look/StationFont.h"

#include <QLabel>

DistressAckDialog::DistressAckDialog(QWidget *owner, const LogRow &row)
    : AckDialog(owner, QSize(368, 225)), m_row(row)
{
    setObjectName(QStringLiteral("frmDistress"));
    GroupBox1 = addGroup("GroupBox1", QStringLiteral(" Distress DSC Acknowledgement"), QRect(8, 8, 352, 164));
    const QFont mono = station_mono_font_px(16);
    QLabel **labels[] = {&lbl_distressID, &Lbl_natureOf, &lbl_latitudeOf, &lbl_longitudeOf, &lbl_TimeOf};
    const char *names[] = {"lbl_distressID", "Lbl_natureOf", "lbl_latitudeOf", "lbl_longitudeOf", "lbl_TimeOf"};
    for (int i = 0; i < 5; ++i)
        *labels[i] = addLabel(GroupBox1, names[i], QString(), mono, QRect(12, 24 + i * 27, 332, 22));
}

void DistressAckDialog::FormShow()
{
    lbl_distressID->setText(QStringLiteral("Distressed ID = ") + m_row.cell(LogColumn::From));
    Lbl_natureOf->setText(QStringLiteral("Nature        = ") + m_row.cell(LogColumn::Nature));
    lbl_latitudeOf->setText(QStringLiteral("Latitude      = ") + m_row.cell(LogColumn::Latitude));
    lbl_longitudeOf->setText(QStringLiteral("Longitude     = ") + m_row.cell(LogColumn::Longitude));
    lbl_TimeOf->setText(QStringLiteral("Time UTC      = ") + m_row.cell(LogColumn::PositionTime));
}

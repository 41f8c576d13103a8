#include "input_distress_ack.h"

#include "platform/MessageGrid.h"
#include "platform/StationFont.h"

#include <QLabel>

TfrmDistress::TfrmDistress(QWidget *owner, const MessageGrid &grid, int row)
    : AckDialog(owner, QSize(368, 225)), m_grid(grid), m_row(row)
{
    setObjectName(QStringLiteral("frmDistress"));
    GroupBox1 = addGroup("GroupBox1", QStringLiteral(" Distress DSC Acknowledgement"), QRect(8, 8, 352, 164));
    const QFont mono = station_mono_font_px(16);
    QLabel **labels[] = {&lbl_distressID, &Lbl_natureOf, &lbl_latitudeOf, &lbl_longitudeOf, &lbl_TimeOf};
    const char *names[] = {"lbl_distressID", "Lbl_natureOf", "lbl_latitudeOf", "lbl_longitudeOf", "lbl_TimeOf"};
    for (int i = 0; i < 5; ++i)
        *labels[i] = addLabel(GroupBox1, names[i], QString(), mono, QRect(12, 24 + i * 27, 332, 22));
}

void TfrmDistress::FormShow()
{
    lbl_distressID->setText(QStringLiteral("Distressed ID = ") + m_grid.cell(2, m_row));
    Lbl_natureOf->setText(QStringLiteral("Nature        = ") + m_grid.cell(7, m_row));
    lbl_latitudeOf->setText(QStringLiteral("Latitude      = ") + m_grid.cell(8, m_row));
    lbl_longitudeOf->setText(QStringLiteral("Longitude     = ") + m_grid.cell(9, m_row));
    lbl_TimeOf->setText(QStringLiteral("Time UTC      = ") + m_grid.cell(10, m_row));
}

#include "DistressAckDialog.h"

#include "ui/look/StationFont.h"

#include <QLabel>

DistressAckDialog::DistressAckDialog(QWidget *owner, const LogRow &row) : AckDialog(owner, QSize(368, 225)), m_row(row)
{
    setObjectName(QStringLiteral("frmDistress"));
    frame = addGroup("GroupBox1", QStringLiteral(" Distress DSC Acknowledgement"), QRect(8, 8, 352, 164));
    const QFont mono = station_mono_font_px(16);
    QLabel **labels[] = {&distressedIdLabel, &natureLabel, &latitudeLabel, &longitudeLabel, &timeLabel};
    const char *names[] = {"lbl_distressID", "Lbl_natureOf", "lbl_latitudeOf", "lbl_longitudeOf", "lbl_TimeOf"};
    for (int i = 0; i < 5; ++i)
        *labels[i] = addLabel(frame, names[i], QString(), mono, QRect(12, 24 + i * 27, 332, 22));
}

void DistressAckDialog::prepareToShow()
{
    distressedIdLabel->setText(QStringLiteral("Distressed ID = ") + m_row.cell(LogColumn::From));
    natureLabel->setText(QStringLiteral("Nature        = ") + m_row.cell(LogColumn::Nature));
    latitudeLabel->setText(QStringLiteral("Latitude      = ") + m_row.cell(LogColumn::Latitude));
    longitudeLabel->setText(QStringLiteral("Longitude     = ") + m_row.cell(LogColumn::Longitude));
    timeLabel->setText(QStringLiteral("Time UTC      = ") + m_row.cell(LogColumn::PositionTime));
}

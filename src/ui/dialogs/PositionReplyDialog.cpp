#include "PositionReplyDialog.h"

#include "ui/look/StationFont.h"

#include <QLabel>

PositionReplyDialog::PositionReplyDialog(QWidget *owner, std::function<PositionFix()> drawFix)
    : AckDialog(owner, QSize(402, 264)), m_drawFix(std::move(drawFix))
{
    setObjectName(QStringLiteral("frmPositionAck"));
    warningFrame = addGroup("GroupBox1", QStringLiteral(" WARNING "), QRect(8, 8, 386, 74));
    const QFont font = station_font_px(13);
    warningLine1 =
        addLabel(warningFrame, "Label1", QStringLiteral("This function will simulate a DSC POSITION ACKNOWLEDGE"), font,
                 QRect(10, 22, 370, 20));
    warningLine2 = addLabel(warningFrame, "Label2", QStringLiteral("trasmitted from a ship in your sea region."), font,
                            QRect(10, 44, 370, 20));
    positionFrame = addGroup("GroupBox2", QStringLiteral(" Simulated Position"), QRect(8, 90, 386, 120));
    const QFont mono = station_mono_font_px(16);
    latitudeLabel = addLabel(positionFrame, "Label3", QStringLiteral("Latitude : "), mono, QRect(12, 24, 362, 24));
    longitudeLabel = addLabel(positionFrame, "Label4", QStringLiteral("Longitude :"), mono, QRect(12, 54, 362, 24));
    timeLabel = addLabel(positionFrame, "Label5", QStringLiteral("Time :"), mono, QRect(12, 84, 362, 24));
}

void PositionReplyDialog::prepareToShow()
{
    m_fix = m_drawFix();
    const QChar degree(0x00B0);
    const PositionFix &p = m_fix;
    latitudeLabel->setText(QStringLiteral("Latitude  :  ") + p.latd.str() + degree + p.latm.str() + u'.' + p.latc.str()
                           + p.ns.str());
    longitudeLabel->setText(QStringLiteral("Longitude : ") + p.lond.str() + degree + p.lonm.str() + u'.' + p.lonc.str()
                            + p.ew.str());
    timeLabel->setText(QStringLiteral("Time      :  ") + p.time.str());
}

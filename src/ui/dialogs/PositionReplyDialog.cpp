#include "PositionReplyDialog.h"

#include "ui/look/StationFont.h"

#include <QLabel>

PositionReplyDialog::PositionReplyDialog(QWidget *owner, std::function<PositionFix()> drawFix)
    : AckDialog(owner, QSize(402, 264)), m_drawFix(std::move(drawFix))
{
    setObjectName(QStringLiteral("frmPositionAck"));
    GroupBox1 = addGroup("GroupBox1", QStringLiteral(" WARNING "), QRect(8, 8, 386, 74));
    const QFont font = station_font_px(13);
    Label1 = addLabel(GroupBox1, "Label1", QStringLiteral("This function will simulate a DSC POSITION ACKNOWLEDGE"),
                      font, QRect(10, 22, 370, 20));
    Label2 = addLabel(GroupBox1, "Label2", QStringLiteral("trasmitted from a ship in your sea region."), font,
                      QRect(10, 44, 370, 20));
    GroupBox2 = addGroup("GroupBox2", QStringLiteral(" Simulated Position"), QRect(8, 90, 386, 120));
    const QFont mono = station_mono_font_px(16);
    Label3 = addLabel(GroupBox2, "Label3", QStringLiteral("Latitude : "), mono, QRect(12, 24, 362, 24));
    Label4 = addLabel(GroupBox2, "Label4", QStringLiteral("Longitude :"), mono, QRect(12, 54, 362, 24));
    Label5 = addLabel(GroupBox2, "Label5", QStringLiteral("Time :"), mono, QRect(12, 84, 362, 24));
}

void PositionReplyDialog::FormShow()
{
    m_fix = m_drawFix();
    const QChar degree(0x00B0);
    const PositionFix &p = m_fix;
    Label3->setText(QStringLiteral("Latitude  :  ") + p.latd.str() + degree + p.latm.str() + u'.' + p.latc.str()
                    + p.ns.str());
    Label4->setText(QStringLiteral("Longitude : ") + p.lond.str() + degree + p.lonm.str() + u'.' + p.lonc.str()
                    + p.ew.str());
    Label5->setText(QStringLiteral("Time      :  ") + p.time.str());
}

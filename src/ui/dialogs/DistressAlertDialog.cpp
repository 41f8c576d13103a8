#include "DistressAlertDialog.h"

#include "ui/widgets/RadioGroup.h"
#include "ui/look/StationFont.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

DistressAlertDialog::DistressAlertDialog(QWidget *owner) : FixedDialog(owner, QSize(402, 317))
{
    setObjectName(QStringLiteral("frmDistressSend"));
    GroupBox1 = new QGroupBox(QStringLiteral(" WARNING "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 8, 386, 74);
    auto label = [this](const char *name, const QString &text, int top) {
        auto *l = new QLabel(text, GroupBox1);
        l->setObjectName(QLatin1String(name));
        make_navy_label(l, station_font_px(13));
        l->setGeometry(12, top, 366, 20);
        return l;
    };
    Label1 = label("Label1", QStringLiteral("This function will simulate a DSC DISTRESS ALARM"), 22);
    Label2 = label("Label2", QStringLiteral("trasmitted from a distressed ship in your sea region."), 44);

    RadioGroup1 = new RadioGroup(QStringLiteral(" Nature of distress "),
                                 {QStringLiteral("Undesignated"), QStringLiteral("Fire / Explosion"),
                                  QStringLiteral("Flooding"), QStringLiteral("Collision"), QStringLiteral("Grounding"),
                                  QStringLiteral("Capsizing"), QStringLiteral("Sinking"), QStringLiteral("Adrift"),
                                  QStringLiteral("Abandoning"), QStringLiteral("Piracy"),
                                  QStringLiteral("Man Over Board")},
                                 3, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(8, 90, 386, 176);
    RadioGroup1->setItemIndex(0);

    spb_send = new QPushButton(QStringLiteral("Transmit"), this);
    spb_send->setObjectName(QStringLiteral("spb_send"));
    spb_send->setGeometry(16, 280, 75, 25);
    btn_quit = new QPushButton(QStringLiteral("Quit"), this);
    btn_quit->setObjectName(QStringLiteral("btn_quit"));
    btn_quit->setGeometry(402 - 16 - 75, 280, 75, 25);
    for (QPushButton *b : {spb_send, btn_quit})
        b->setAutoDefault(false);
    connect(spb_send, &QPushButton::clicked, this, &DistressAlertDialog::spb_sendClick);
    connect(btn_quit, &QPushButton::clicked, this, &DistressAlertDialog::btn_quitClick);
}

QString DistressAlertDialog::natureCode() const
{
    return QStringLiteral("%1").arg(qMax(0, RadioGroup1->itemIndex()) + 1, 2, 10, QLatin1Char('0'));
}

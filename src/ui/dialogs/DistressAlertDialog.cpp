#include "DistressAlertDialog.h"

#include "ui/look/StationFont.h"
#include "ui/widgets/RadioGroup.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

DistressAlertDialog::DistressAlertDialog(QWidget *owner) : FixedDialog(owner, QSize(402, 317))
{
    setObjectName(QStringLiteral("frmDistressSend"));
    warningFrame = new QGroupBox(QStringLiteral(" WARNING "), this);
    warningFrame->setObjectName(QStringLiteral("GroupBox1"));
    warningFrame->setGeometry(8, 8, 386, 74);
    auto label = [this](const char *name, const QString &text, int top) {
        auto *l = new QLabel(text, warningFrame);
        l->setObjectName(QLatin1String(name));
        make_navy_label(l, station_font_px(13));
        l->setGeometry(12, top, 366, 20);
        return l;
    };
    warningLine1 = label("Label1", QStringLiteral("This function will simulate a DSC DISTRESS ALARM"), 22);
    warningLine2 = label("Label2", QStringLiteral("trasmitted from a distressed ship in your sea region."), 44);

    natureGroup =
        new RadioGroup(QStringLiteral(" Nature of distress "),
                       {QStringLiteral("Undesignated"), QStringLiteral("Fire / Explosion"), QStringLiteral("Flooding"),
                        QStringLiteral("Collision"), QStringLiteral("Grounding"), QStringLiteral("Capsizing"),
                        QStringLiteral("Sinking"), QStringLiteral("Adrift"), QStringLiteral("Abandoning"),
                        QStringLiteral("Piracy"), QStringLiteral("Man Over Board")},
                       3, this);
    natureGroup->setObjectName(QStringLiteral("RadioGroup1"));
    natureGroup->setGeometry(8, 90, 386, 176);
    natureGroup->setItemIndex(0);

    transmitButton = new QPushButton(QStringLiteral("Transmit"), this);
    transmitButton->setObjectName(QStringLiteral("spb_send"));
    transmitButton->setGeometry(16, 280, 75, 25);
    quitButton = new QPushButton(QStringLiteral("Quit"), this);
    quitButton->setObjectName(QStringLiteral("btn_quit"));
    quitButton->setGeometry(402 - 16 - 75, 280, 75, 25);
    for (QPushButton *b : {transmitButton, quitButton})
        b->setAutoDefault(false);
    connect(transmitButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(quitButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString DistressAlertDialog::natureCode() const
{
    return QStringLiteral("%1").arg(qMax(0, natureGroup->itemIndex()) + 1, 2, 10, QLatin1Char('0'));
}

#include "RoutineAckDialog.h"

#include "ui/widgets/RadioGroup.h"
#include "ui/look/StationFont.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QStringList channels{"16", "09", "72", "77", "80", "84"};
}

RoutineAckDialog::RoutineAckDialog(QWidget *owner, const LogRow &row)
    : AckDialog(owner, QSize(400, 276)), m_row(row)
{
    setObjectName(QStringLiteral("frmRoutineAck"));
    GroupBox1 = addGroup("GroupBox1", QStringLiteral(" DSC Routine Acknowledgement "), QRect(8, 8, 384, 146));
    const QFont font = station_font_px(13);
    Label1 = addLabel(GroupBox1, "Label1", QStringLiteral("Transmit an Individual Routine Acknowledgement"), font,
                      QRect(12, 22, 360, 20));
    Label2 = addLabel(GroupBox1, "Label2", QStringLiteral("To MMSI    :"), font, QRect(12, 48, 360, 20));
    Label3 = addLabel(GroupBox1, "Label3", QStringLiteral("TP channel :"), font, QRect(12, 72, 360, 20));
    RadioButton1 = new QRadioButton(QStringLiteral("Able to Comply"), GroupBox1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(12, 104, 150, 22);
    RadioButton2 = new QRadioButton(QStringLiteral("Unable to Comply"), GroupBox1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(190, 104, 170, 22);
    RadioButton1->setChecked(true);

    RadioGroup1 = new RadioGroup(QStringLiteral("Select TP traffic channel  "), channels, 6, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(8, 162, 384, 56);
    RadioGroup1->setItemIndex(-1);

    spb_clear = new QPushButton(QStringLiteral("Clear"), this);
    spb_clear->setObjectName(QStringLiteral("spb_clear"));
    spb_clear->setGeometry((400 - 75) / 2, 276 - 37, 75, 25);
    spb_clear->setAutoDefault(false);

    connect(RadioGroup1, &RadioGroup::itemClicked, this, &RoutineAckDialog::RadioGroup1Click);
    connect(spb_clear, &QPushButton::clicked, this, &RoutineAckDialog::spb_clearClick);
}

void RoutineAckDialog::FormShow()
{
    Label2->setText(QStringLiteral("To MMSI    : ") + m_row.cell(LogColumn::From));
    Label3->setText(QStringLiteral("TP Channel : ") + m_row.cell(LogColumn::Channel));
}

void RoutineAckDialog::RadioGroup1Click(int index)
{
    if (index >= 0 && index < channels.size())
        Label3->setText(QStringLiteral("TP Channel : ") + channels[index]);
}

void RoutineAckDialog::spb_clearClick()
{
    RadioGroup1->setItemIndex(-1);
    Label3->setText(QStringLiteral("TP Channel : ") + m_row.cell(LogColumn::Channel));
}

QString RoutineAckDialog::channel() const
{
    const int index = RadioGroup1->itemIndex();
    return index >= 0 ? channels[index] : m_row.cell(LogColumn::Channel);
}

bool RoutineAckDialog::able() const
{
    return RadioButton1->isChecked();
}

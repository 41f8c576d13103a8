#include "RoutineAckDialog.h"

#include "ui/look/StationFont.h"
#include "ui/widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QStringList channels{"16", "09", "72", "77", "80", "84"};
}

RoutineAckDialog::RoutineAckDialog(QWidget *owner, const LogRow &row) : AckDialog(owner, QSize(400, 276)), m_row(row)
{
    setObjectName(QStringLiteral("frmRoutineAck"));
    frame = addGroup("GroupBox1", QStringLiteral(" DSC Routine Acknowledgement "), QRect(8, 8, 384, 146));
    const QFont font = station_font_px(13);
    titleLabel = addLabel(frame, "Label1", QStringLiteral("Transmit an Individual Routine Acknowledgement"), font,
                          QRect(12, 22, 360, 20));
    mmsiLabel = addLabel(frame, "Label2", QStringLiteral("To MMSI    :"), font, QRect(12, 48, 360, 20));
    channelLabel = addLabel(frame, "Label3", QStringLiteral("TP channel :"), font, QRect(12, 72, 360, 20));
    ableButton = new QRadioButton(QStringLiteral("Able to Comply"), frame);
    ableButton->setObjectName(QStringLiteral("RadioButton1"));
    ableButton->setGeometry(12, 104, 150, 22);
    unableButton = new QRadioButton(QStringLiteral("Unable to Comply"), frame);
    unableButton->setObjectName(QStringLiteral("RadioButton2"));
    unableButton->setGeometry(190, 104, 170, 22);
    ableButton->setChecked(true);

    channelGroup = new RadioGroup(QStringLiteral("Select TP traffic channel  "), channels, 6, this);
    channelGroup->setObjectName(QStringLiteral("RadioGroup1"));
    channelGroup->setGeometry(8, 162, 384, 56);
    channelGroup->setItemIndex(-1);

    clearButton = new QPushButton(QStringLiteral("Clear"), this);
    clearButton->setObjectName(QStringLiteral("spb_clear"));
    clearButton->setGeometry((400 - 75) / 2, 276 - 37, 75, 25);
    clearButton->setAutoDefault(false);

    connect(channelGroup, &RadioGroup::itemClicked, this, &RoutineAckDialog::channelClicked);
    connect(clearButton, &QPushButton::clicked, this, &RoutineAckDialog::clearChannel);
}

void RoutineAckDialog::prepareToShow()
{
    mmsiLabel->setText(QStringLiteral("To MMSI    : ") + m_row.cell(LogColumn::From));
    channelLabel->setText(QStringLiteral("TP Channel : ") + m_row.cell(LogColumn::Channel));
}

void RoutineAckDialog::channelClicked(int index)
{
    if (index >= 0 && index < channels.size())
        channelLabel->setText(QStringLiteral("TP Channel : ") + channels[index]);
}

void RoutineAckDialog::clearChannel()
{
    channelGroup->setItemIndex(-1);
    channelLabel->setText(QStringLiteral("TP Channel : ") + m_row.cell(LogColumn::Channel));
}

QString RoutineAckDialog::channel() const
{
    const int index = channelGroup->itemIndex();
    return index >= 0 ? channels[index] : m_row.cell(LogColumn::Channel);
}

bool RoutineAckDialog::able() const
{
    return ableButton->isChecked();
}

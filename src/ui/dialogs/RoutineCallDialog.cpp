#include "RoutineCallDialog.h"

#include "ui/widgets/RadioGroup.h"

namespace {
const char *const channels[] = {"16", "6", "8", "9", "13", "23", "67", "69", "72", "77", "80", "84"};
}

RoutineCallDialog::RoutineCallDialog(QWidget *owner)
    : DestinationDialog(owner, QSize(256, 312), NoTitleButtons, QStringLiteral("Input destination MMSI "),
                        QRect(8, 8, 240, 74), 278)
{
    setObjectName(QStringLiteral("frmRoutine"));
    QStringList items;
    for (const char *c : channels)
        items << QLatin1String(c);
    channelGroup = new RadioGroup(QStringLiteral(" TP Traffic channel  "), items, 4, this);
    channelGroup->setObjectName(QStringLiteral("RadioGroup1"));
    channelGroup->setGeometry(8, 92, 240, 170);
    channelGroup->setItemIndex(0);
}

QString RoutineCallDialog::channelCode() const
{
    const int index = channelGroup->itemIndex();
    const QString shown = QLatin1String(channels[index >= 0 ? index : 0]);
    return shown.rightJustified(2, QLatin1Char('0'));
}

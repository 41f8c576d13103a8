#include "AckDialog.h"

#include "ui/look/StationFont.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

AckDialog::AckDialog(QWidget *owner, const QSize &clientSize) : FixedDialog(owner, clientSize)
{
    spb_send = new QPushButton(QStringLiteral("Transmit"), this);
    spb_send->setObjectName(QStringLiteral("spb_send"));
    spb_send->setGeometry(16, clientSize.height() - 37, 75, 25);
    btn_quit = new QPushButton(QStringLiteral("Quit"), this);
    btn_quit->setObjectName(QStringLiteral("btn_quit"));
    btn_quit->setGeometry(clientSize.width() - 16 - 75, clientSize.height() - 37, 75, 25);
    for (QPushButton *b : {spb_send, btn_quit})
        b->setAutoDefault(false);
    connect(spb_send, &QPushButton::clicked, this, &AckDialog::spb_sendClick);
    connect(btn_quit, &QPushButton::clicked, this, &AckDialog::btn_quitClick);
}

QGroupBox *AckDialog::addGroup(const char *name, const QString &caption, const QRect &geometry)
{
    auto *group = new QGroupBox(caption, this);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    return group;
}

QLabel *AckDialog::addLabel(QGroupBox *group, const char *name, const QString &text, const QFont &font,
                            const QRect &geometry)
{
    auto *label = new QLabel(text, group);
    label->setObjectName(QLatin1String(name));
    make_navy_label(label, font);
    label->setGeometry(geometry);
    return label;
}

#include "AckDialog.h"

#include "ui/look/StationFont.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

AckDialog::AckDialog(QWidget *owner, const QSize &clientSize) : FixedDialog(owner, clientSize)
{
    transmitButton = new QPushButton(QStringLiteral("Transmit"), this);
    transmitButton->setObjectName(QStringLiteral("spb_send"));
    transmitButton->setGeometry(16, clientSize.height() - 37, 75, 25);
    quitButton = new QPushButton(QStringLiteral("Quit"), this);
    quitButton->setObjectName(QStringLiteral("btn_quit"));
    quitButton->setGeometry(clientSize.width() - 16 - 75, clientSize.height() - 37, 75, 25);
    for (QPushButton *b : {transmitButton, quitButton})
        b->setAutoDefault(false);
    connect(transmitButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(quitButton, &QPushButton::clicked, this, &QDialog::reject);
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

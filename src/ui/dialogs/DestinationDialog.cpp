#include "DestinationDialog.h"

#include "ui/look/StationFont.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

DestinationDialog::DestinationDialog(QWidget *owner, const QSize &clientSize, TitleButtons buttons,
                                     const QString &caption, const QRect &groupGeometry, int buttonsTop)
    : FixedDialog(owner, clientSize, buttons)
{
    mmsiFrame = new QGroupBox(caption, this);
    mmsiFrame->setObjectName(QStringLiteral("GroupBox1"));
    mmsiFrame->setGeometry(groupGeometry);
    mmsiEdit = new QLineEdit(mmsiFrame);
    mmsiEdit->setObjectName(QStringLiteral("Edit1"));
    mmsiEdit->setGeometry(10, 20, groupGeometry.width() - 20, groupGeometry.height() - 30);
    mmsiEdit->setFont(station_font_px(24, true));
    QPalette navy = mmsiEdit->palette();
    navy.setColor(QPalette::Text, QColor(0, 0, 128));
    mmsiEdit->setPalette(navy);
    mmsiEdit->setMaxLength(9);
    mmsiEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), mmsiEdit));
    mmsiEdit->setAccessibleName(QStringLiteral("Destination MMSI"));

    const int gap = (clientSize.width() - 3 * 75) / 4;
    auto button = [&](const char *name, const QString &text, int i) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(gap + i * (75 + gap), buttonsTop, 75, 25);
        b->setAutoDefault(false);
        return b;
    };
    transmitButton = button("spb_send", QStringLiteral("Transmit"), 0);
    clearButton = button("spb_clear", QStringLiteral("Clear"), 1);
    quitButton = button("btn_quit", QStringLiteral("Quit"), 2);
    transmitButton->setEnabled(false);
    transmitButton->setDefault(true);

    connect(mmsiEdit, &QLineEdit::textChanged, this, &DestinationDialog::mmsiChanged);
    connect(transmitButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(clearButton, &QPushButton::clicked, this, &DestinationDialog::clearMmsi);
    connect(quitButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString DestinationDialog::destination() const
{
    return mmsiEdit->text().trimmed();
}

void DestinationDialog::mmsiChanged()
{
    transmitButton->setEnabled(mmsiEdit->text().size() == 9);
}

void DestinationDialog::clearMmsi()
{
    mmsiEdit->clear();
}

void DestinationDialog::prepareToShow()
{
    mmsiEdit->setFocus(Qt::OtherFocusReason);
}

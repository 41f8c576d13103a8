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
    GroupBox1 = new QGroupBox(caption, this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(groupGeometry);
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(10, 20, groupGeometry.width() - 20, groupGeometry.height() - 30);
    Edit1->setFont(station_font_px(24, true));
    QPalette navy = Edit1->palette();
    navy.setColor(QPalette::Text, QColor(0, 0, 128));
    Edit1->setPalette(navy);
    Edit1->setMaxLength(9);
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit1));
    Edit1->setAccessibleName(QStringLiteral("Destination MMSI"));

    const int gap = (clientSize.width() - 3 * 75) / 4;
    auto button = [&](const char *name, const QString &text, int i) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(gap + i * (75 + gap), buttonsTop, 75, 25);
        b->setAutoDefault(false);
        return b;
    };
    spb_send = button("spb_send", QStringLiteral("Transmit"), 0);
    spb_clear = button("spb_clear", QStringLiteral("Clear"), 1);
    btn_quit = button("btn_quit", QStringLiteral("Quit"), 2);
    spb_send->setEnabled(false);
    spb_send->setDefault(true);

    connect(Edit1, &QLineEdit::textChanged, this, &DestinationDialog::Edit1Change);
    connect(spb_send, &QPushButton::clicked, this, &DestinationDialog::spb_sendClick);
    connect(spb_clear, &QPushButton::clicked, this, &DestinationDialog::spb_clearClick);
    connect(btn_quit, &QPushButton::clicked, this, &DestinationDialog::btn_quitClick);
}

QString DestinationDialog::destination() const
{
    return Edit1->text().trimmed();
}

void DestinationDialog::Edit1Change()
{
    spb_send->setEnabled(Edit1->text().size() == 9);
}

void DestinationDialog::spb_clearClick()
{
    Edit1->clear();
}

void DestinationDialog::FormShow()
{
    Edit1->setFocus(Qt::OtherFocusReason);
}

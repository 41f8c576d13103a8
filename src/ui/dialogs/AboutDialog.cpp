#include "AboutDialog.h"

#include "ui/look/Pictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto label = [this](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    auto *picture = label("ProgramIcon", QString());
    picture->setPixmap(pictures::program_icon(64));
    picture->setAccessibleName(QStringLiteral("DSC Quillet"));
    productLabel = label("ProductName", QStringLiteral("DSC Quillet"));
    QFont big = productLabel->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    productLabel->setFont(big);
    versionLabel = label("Version", QStringLiteral("Version 0.001 beta"));
    auto *maker = label("Copyright", QStringLiteral("Digital Selective Calling trainer for marine VHF"));
    auto *maker2 = label("Comments", QStringLiteral("Written by the DSC Quillet developers"));
    auto *warning1 = label("Warning1", QStringLiteral("This might not be a fully compliant ITU-R M493-13 simulator,"));
    auto *warning2 = label("Warning2", QStringLiteral("for training purposes only, use at your risk !"));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setMinimumWidth(75);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(productLabel, 0, 1);
    grid->addWidget(versionLabel, 1, 1);
    grid->addWidget(maker, 2, 1);
    grid->addWidget(maker2, 3, 1);
    grid->setRowMinimumHeight(4, 10);
    grid->addWidget(warning1, 5, 0, 1, 2);
    grid->addWidget(warning2, 6, 0, 1, 2);
    grid->addWidget(ok, 7, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutDialog::fileVersion()
{
    return QString::asprintf("%d.%d.%d.%d", QUILLET_VERSION_MAJOR, QUILLET_VERSION_MINOR, QUILLET_VERSION_PATCH,
                             QUILLET_VERSION_TWEAK);
}

void AboutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    versionLabel->setText(QStringLiteral("Version = ") + fileVersion());
    if (QWidget *owner = parentWidget())
        move(owner->frameGeometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}

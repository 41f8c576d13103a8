#include "SetupDialog.h"

#include "core/config/IniFile.h"
#include "core/config/SettingsKeys.h"
#include "core/config/StationSettings.h"
#include "core/net/LocalAddresses.h"
#include "ui/Modal.h"
#include "ui/look/Pictures.h"
#include "ui/look/StationFont.h"
#include "ui/widgets/MaskEdit.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>

namespace keys = settings_keys;

namespace {

QFont boldFont(const QWidget *w)
{
    QFont f = w->font();
    f.setBold(true);
    return f;
}

QGroupBox *group(QWidget *parent, const char *name, const QString &title, const QRect &geometry, bool bold)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    if (bold) {
        // Only the frame's title is bold; its controls keep the dialog's font.
        const QFont normal = box->font();
        box->setFont(boldFont(box));
        box->setProperty("childFont", normal);
    }
    return box;
}

template <typename W>
W *child(QGroupBox *box, W *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    const QVariant normal = box->property("childFont");
    if (normal.isValid())
        widget->setFont(normal.value<QFont>());
    return widget;
}

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

SetupDialog::SetupDialog(const QString &settingsPath, QWidget *parent) : QDialog(parent), m_settingsPath(settingsPath)
{
    setObjectName(QStringLiteral("FrmSetup"));
    setWindowTitle(QStringLiteral("Quillet Configuration Tool"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowStaysOnTopHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(station_font(8));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Light)); // the button-highlight colour
    setPalette(p);

    stationFrame = group(this, "GroupBox4", QStringLiteral(" QUILLET "), QRect(8, 6, 250, 154), true);
    mmsiFrame =
        child(stationFrame, new QGroupBox(QStringLiteral(" MMSI "), stationFrame), "GroupBox1", QRect(10, 20, 230, 60));
    mmsiEdit = new MaskEdit(QStringLiteral("999999999;*"), mmsiFrame);
    mmsiEdit->setObjectName(QStringLiteral("mask_mmsi"));
    mmsiEdit->setGeometry(12, 22, 206, 26);
    mmsiEdit->setFont(boldFont(mmsiEdit));
    mmsiEdit->setAccessibleName(QStringLiteral("MMSI"));
    groupFrame = child(stationFrame, new QGroupBox(QStringLiteral(" GROUP MMSI "), stationFrame), "GroupBox2",
                       QRect(10, 86, 230, 60));
    groupEdit = new MaskEdit(QStringLiteral("\\099999999;*"), groupFrame);
    groupEdit->setObjectName(QStringLiteral("Mask_group"));
    groupEdit->setGeometry(12, 22, 206, 26);
    groupEdit->setFont(boldFont(groupEdit));
    groupEdit->setAccessibleName(QStringLiteral("GROUP MMSI"));

    modeFrame = group(this, "GRoupMode", QStringLiteral(" SIM MODE"), QRect(8, 166, 250, 76), true);
    modeStandAlone = child(modeFrame, new QRadioButton(QStringLiteral("Stand-alone mode"), modeFrame), "GRoupMode_0",
                           QRect(12, 22, 220, 22));
    modeNetwork = child(modeFrame, new QRadioButton(QStringLiteral("Network mode"), modeFrame), "GRoupMode_1",
                        QRect(12, 46, 220, 22));
    modeGroup = new QButtonGroup(this);
    modeGroup->addButton(modeStandAlone, 0);
    modeGroup->addButton(modeNetwork, 1);
    modeStandAlone->setChecked(true);

    optionsFrame = group(this, "GroupOptions", QStringLiteral(" OPTIONS "), QRect(8, 248, 250, 46), true);
    savePositionBox = child(optionsFrame, new QCheckBox(QStringLiteral("Save Screen Pos."), optionsFrame),
                            "chk_position", QRect(12, 18, 130, 22));
    showRadioBox = child(optionsFrame, new QCheckBox(QStringLiteral("Show Radio"), optionsFrame), "chk_radio",
                         QRect(146, 18, 96, 22));

    gpsFrame = group(this, "GroupBox8", QStringLiteral("  GPS SETUP "), QRect(266, 6, 497, 236), true);
    auto bar = [](QGroupBox *box, const char *name, int min, int max) {
        auto *sb = child(box, new QScrollBar(Qt::Horizontal, box), name, QRect(12, 26, 300, 18));
        sb->setRange(min, max);
        sb->setValue(0);
        return sb;
    };
    latitudeFrame =
        child(gpsFrame, new QGroupBox(QStringLiteral(" Latitude  "), gpsFrame), "GroupBox9", QRect(10, 20, 477, 66));
    latitudeBar = bar(latitudeFrame, "SB_Latitude", 0, 89);
    latitudeValue =
        child(latitudeFrame, plainLabel(QStringLiteral("00"), latitudeFrame), "lbl_Latitude", QRect(320, 26, 40, 18));
    northButton = child(latitudeFrame, new QRadioButton(QStringLiteral("North"), latitudeFrame), "RB_Nord",
                        QRect(366, 26, 54, 20));
    southButton = child(latitudeFrame, new QRadioButton(QStringLiteral("South"), latitudeFrame), "RB_Sud",
                        QRect(420, 26, 54, 20));

    longitudeFrame =
        child(gpsFrame, new QGroupBox(QStringLiteral(" Longitude "), gpsFrame), "GroupBox10", QRect(10, 90, 477, 66));
    longitudeBar = bar(longitudeFrame, "SB_longitude", 0, 179);
    longitudeValue = child(longitudeFrame, plainLabel(QStringLiteral("000"), longitudeFrame), "lbl_longitude",
                           QRect(320, 26, 40, 18));
    westButton = child(longitudeFrame, new QRadioButton(QStringLiteral("West"), longitudeFrame), "RB_ovest",
                       QRect(366, 26, 54, 20));
    eastButton = child(longitudeFrame, new QRadioButton(QStringLiteral("East"), longitudeFrame), "RB_est",
                       QRect(420, 26, 54, 20));

    utcFrame =
        child(gpsFrame, new QGroupBox(QStringLiteral(" UTC Diff."), gpsFrame), "GroupBox5", QRect(10, 160, 477, 66));
    auto *minus = child(utcFrame, plainLabel(QStringLiteral("-12"), utcFrame), "lbl_utc_min", QRect(12, 22, 30, 18));
    Q_UNUSED(minus)
    utcBar = child(utcFrame, new QScrollBar(Qt::Horizontal, utcFrame), "SB_UTC_DIFF", QRect(42, 22, 260, 18));
    utcBar->setRange(-12, 12);
    utcBar->setValue(0);
    auto *plus = child(utcFrame, plainLabel(QStringLiteral("+12"), utcFrame), "lbl_utc_max", QRect(306, 22, 30, 18));
    Q_UNUSED(plus)
    utcValue = child(utcFrame, plainLabel(QStringLiteral("0"), utcFrame), "lbl_utc_diff", QRect(160, 42, 40, 18));

    networkFrame = group(this, "GroupBox3", QStringLiteral(" Network "), QRect(266, 248, 497, 46), true);
    auto *bindLabel =
        child(networkFrame, plainLabel(QStringLiteral("Bind To:"), networkFrame), "lbl_bind", QRect(12, 18, 60, 20));
    bindAddressBox = child(networkFrame, new QComboBox(networkFrame), "ComboBox1", QRect(76, 16, 200, 24));
    bindAddressBox->setEditable(true);
    bindAddressBox->setInsertPolicy(QComboBox::NoInsert);
    bindAddressBox->setEditText(QStringLiteral("0.0.0.0"));
    bindLabel->setBuddy(bindAddressBox);

    abortButton = new QPushButton(QStringLiteral("Abort"), this);
    abortButton->setObjectName(QStringLiteral("btn_ABORT"));
    abortButton->setGeometry(8, 302, 110, 32);
    abortButton->setAutoDefault(false);
    saveButton = new QPushButton(QStringLiteral("Save"), this);
    saveButton->setObjectName(QStringLiteral("btn_SAVE"));
    saveButton->setGeometry(653, 302, 110, 32);
    saveButton->setAutoDefault(false);
    logo = plainLabel(QString(), this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(ClientWidth / 2 - 17, 302, 34, 34);
    logo->setPixmap(pictures::program_icon(34));

    for (QScrollBar *sb : {latitudeBar, longitudeBar, utcBar}) {
        QLabel *label = sb == latitudeBar ? latitudeValue : sb == longitudeBar ? longitudeValue : utcValue;
        // SB_LatitudeChange, SB_longitudeChange, SB_UTC_DIFFChange
        connect(sb, &QScrollBar::valueChanged, label, [label](int v) { label->setText(QString::number(v)); });
    }
    connect(abortButton, &QPushButton::clicked, this, &SetupDialog::abort);
    connect(saveButton, &QPushButton::clicked, this, &SetupDialog::save);

    fillBindAddresses();
}

void SetupDialog::fillBindAddresses()
{
    bindAddressBox->clear();
    bindAddressBox->addItems(bind_address_list());
    const int index = IniFile(m_settingsPath).readInteger(keys::AudioBind, keys::BindToIndex, 0);
    bindAddressBox->setCurrentIndex(index >= 0 && index < bindAddressBox->count() ? index : 0);
}

void SetupDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    prepareToShow();
}

int SetupDialog::modeIndex() const
{
    return modeGroup->checkedId();
}

void SetupDialog::setModeIndex(int index)
{
    if (index >= 0) {
        (index == 0 ? modeStandAlone : modeNetwork)->setChecked(true);
        return;
    }
    // Clearing an exclusive group needs the exclusivity off for a moment.
    modeGroup->setExclusive(false);
    modeStandAlone->setChecked(false);
    modeNetwork->setChecked(false);
    modeGroup->setExclusive(true);
}

void SetupDialog::prepareToShow()
{
    raise();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));

    const IniFile ini(m_settingsPath);
    if (!ini.exists())
        modal::show_message(StationSettings::missingFileText());

    // The dialog's defaults are its own, not the station's.
    const QString mmsi = ini.readString(keys::Radio, keys::Mmsi, QStringLiteral("002341001"));
    const QString groupMmsi = ini.readString(keys::Radio, keys::Group, QStringLiteral("002340001"));
    const int mode = ini.readInteger(keys::Radio, keys::Mode, 0);
    setModeIndex(mode >= 1 ? 1 : mode);

    shownMmsi = mmsi;
    shownGroup = groupMmsi;
    mmsiEdit->setText(shownMmsi);
    groupEdit->setText(shownGroup);

    // QScrollBar keeps a value inside its range; an unchanged value emits nothing.
    latitudeBar->setValue(ini.readInteger(keys::Gps, keys::LatitudeRead, 41));
    longitudeBar->setValue(ini.readInteger(keys::Gps, keys::LongitudeRead, 9));
    utcBar->setValue(ini.readInteger(keys::Gps, keys::UtcSetupRead, 0));

    const QString ns = ini.readString(keys::Gps, keys::NorthSouthRead, QStringLiteral("N"));
    (ns == QLatin1String("N") ? northButton : southButton)->setChecked(true);
    const QString ew = ini.readString(keys::Gps, keys::EastWestRead, QStringLiteral("E"));
    (ew == QLatin1String("E") ? eastButton : westButton)->setChecked(true);

    savePositionBox->setChecked(ini.readInteger(keys::Radio, keys::RestorePosition, 0) == 1);
    showRadioBox->setChecked(ini.readInteger(keys::Radio, keys::ShowRadio, 0) == 1);

    abortButton->setFocus(Qt::OtherFocusReason);
}

void SetupDialog::abort()
{
    if (m_closing)
        return;
    mmsiEdit->setText(shownMmsi);
    groupEdit->setText(shownGroup);
    // Let the restored values be seen before the dialog goes; meanwhile the
    // dialog takes no input.
    m_closing = true;
    qApp->installEventFilter(this);
    QTimer::singleShot(AbortPauseMs, this, [this] {
        qApp->removeEventFilter(this);
        m_closing = false;
        reject();
    });
}

bool SetupDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (m_closing) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString SetupDialog::bindAddress() const
{
    return bindAddressBox->currentText();
}

void SetupDialog::save()
{
    // A changed field with unfilled positions may not be left, not even by Save.
    if (!mmsiEdit->validateEdit() || !groupEdit->validateEdit())
        return;
    const QString north = northButton->isChecked() ? QStringLiteral("N") : QStringLiteral("S");
    const QString east = eastButton->isChecked() ? QStringLiteral("E") : QStringLiteral("W");
    const int bindIndex = bindAddressBox->findText(bindAddressBox->currentText(), Qt::MatchExactly);
    try {
        // One replacement of the file: a failure leaves every key as it was.
        IniFile(m_settingsPath)
            .write({{keys::Radio, keys::Mmsi, mmsiEdit->text()},
                    {keys::Radio, keys::Group, groupEdit->text()},
                    {keys::Radio, keys::Mode, QString::number(modeIndex())},
                    {keys::Gps, keys::LatitudeWrite, QString::number(latitudeBar->value())},
                    {keys::Gps, keys::LongitudeWrite, QString::number(longitudeBar->value())},
                    {keys::Gps, keys::Utc, QString::number(utcBar->value())},
                    {keys::Gps, keys::NorthSouthWrite, north},
                    {keys::Gps, keys::EastWestWrite, east},
                    {keys::Radio, keys::RestorePosition, QString::number(savePositionBox->isChecked() ? 1 : 0)},
                    {keys::Radio, keys::ShowRadio, QString::number(showRadioBox->isChecked() ? 1 : 0)},
                    {keys::AudioBind, keys::BindToIndex, QString::number(bindIndex)}});
    } catch (const IniWriteError &error) {
        modal::show_error(error.message());
        return;
    }
    // The window rebinds the voice receiver to bindAddress().
    accept();
}

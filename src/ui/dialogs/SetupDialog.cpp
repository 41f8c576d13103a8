#include "SetupDialog.h"

#include "core/config/SettingsKeys.h"
#include "core/config/StationSettings.h"
#include "core/config/IniFile.h"
#include "core/net/LocalAddresses.h"
#include "ui/widgets/MaskEdit.h"
#include "ui/Modal.h"
#include "ui/look/Pictures.h"
#include "ui/look/StationFont.h"

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

SetupDialog::SetupDialog(const QString &settingsPath, QWidget *parent)
    : QDialog(parent), m_settingsPath(settingsPath)
{
    setObjectName(QStringLiteral("FrmSetup"));
    setWindowTitle(QStringLiteral("Quillet Configuration Tool"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(station_font(8));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Light)); // the button-highlight colour
    setPalette(p);

    GroupBox4 = group(this, "GroupBox4", QStringLiteral(" QUILLET "), QRect(8, 6, 250, 154), true);
    GroupBox1 = child(GroupBox4, new QGroupBox(QStringLiteral(" MMSI "), GroupBox4), "GroupBox1", QRect(10, 20, 230, 60));
    mask_mmsi = new MaskEdit(QStringLiteral("999999999;*"), GroupBox1);
    mask_mmsi->setObjectName(QStringLiteral("mask_mmsi"));
    mask_mmsi->setGeometry(12, 22, 206, 26);
    mask_mmsi->setFont(boldFont(mask_mmsi));
    mask_mmsi->setAccessibleName(QStringLiteral("MMSI"));
    GroupBox2 = child(GroupBox4, new QGroupBox(QStringLiteral(" GROUP MMSI "), GroupBox4), "GroupBox2", QRect(10, 86, 230, 60));
    Mask_group = new MaskEdit(QStringLiteral("\\099999999;*"), GroupBox2);
    Mask_group->setObjectName(QStringLiteral("Mask_group"));
    Mask_group->setGeometry(12, 22, 206, 26);
    Mask_group->setFont(boldFont(Mask_group));
    Mask_group->setAccessibleName(QStringLiteral("GROUP MMSI"));

    GRoupMode = group(this, "GRoupMode", QStringLiteral(" SIM MODE"), QRect(8, 166, 250, 76), true);
    modeStandAlone = child(GRoupMode, new QRadioButton(QStringLiteral("Stand-alone mode"), GRoupMode), "GRoupMode_0", QRect(12, 22, 220, 22));
    modeNetwork = child(GRoupMode, new QRadioButton(QStringLiteral("Network mode"), GRoupMode), "GRoupMode_1", QRect(12, 46, 220, 22));
    modeGroup = new QButtonGroup(this);
    modeGroup->addButton(modeStandAlone, 0);
    modeGroup->addButton(modeNetwork, 1);
    modeStandAlone->setChecked(true);

    GroupOptions = group(this, "GroupOptions", QStringLiteral(" OPTIONS "), QRect(8, 248, 250, 46), true);
    chk_position = child(GroupOptions, new QCheckBox(QStringLiteral("Save Screen Pos."), GroupOptions), "chk_position", QRect(12, 18, 130, 22));
    chk_radio = child(GroupOptions, new QCheckBox(QStringLiteral("Show Radio"), GroupOptions), "chk_radio", QRect(146, 18, 96, 22));

    GroupBox8 = group(this, "GroupBox8", QStringLiteral("  GPS SETUP "), QRect(266, 6, 497, 236), true);
    auto bar = [](QGroupBox *box, const char *name, int min, int max) {
        auto *sb = child(box, new QScrollBar(Qt::Horizontal, box), name, QRect(12, 26, 300, 18));
        sb->setRange(min, max);
        sb->setValue(0);
        return sb;
    };
    GroupBox9 = child(GroupBox8, new QGroupBox(QStringLiteral(" Latitude  "), GroupBox8), "GroupBox9", QRect(10, 20, 477, 66));
    SB_Latitude = bar(GroupBox9, "SB_Latitude", 0, 89);
    lbl_Latitude = child(GroupBox9, plainLabel(QStringLiteral("00"), GroupBox9), "lbl_Latitude", QRect(320, 26, 40, 18));
    RB_Nord = child(GroupBox9, new QRadioButton(QStringLiteral("North"), GroupBox9), "RB_Nord", QRect(366, 26, 54, 20));
    RB_Sud = child(GroupBox9, new QRadioButton(QStringLiteral("South"), GroupBox9), "RB_Sud", QRect(420, 26, 54, 20));

    GroupBox10 = child(GroupBox8, new QGroupBox(QStringLiteral(" Longitude "), GroupBox8), "GroupBox10", QRect(10, 90, 477, 66));
    SB_longitude = bar(GroupBox10, "SB_longitude", 0, 179);
    lbl_longitude = child(GroupBox10, plainLabel(QStringLiteral("000"), GroupBox10), "lbl_longitude", QRect(320, 26, 40, 18));
    RB_ovest = child(GroupBox10, new QRadioButton(QStringLiteral("West"), GroupBox10), "RB_ovest", QRect(366, 26, 54, 20));
    RB_est = child(GroupBox10, new QRadioButton(QStringLiteral("East"), GroupBox10), "RB_est", QRect(420, 26, 54, 20));

    GroupBox5 = child(GroupBox8, new QGroupBox(QStringLiteral(" UTC Diff."), GroupBox8), "GroupBox5", QRect(10, 160, 477, 66));
    auto *minus = child(GroupBox5, plainLabel(QStringLiteral("-12"), GroupBox5), "lbl_utc_min", QRect(12, 22, 30, 18));
    Q_UNUSED(minus)
    SB_UTC_DIFF = child(GroupBox5, new QScrollBar(Qt::Horizontal, GroupBox5), "SB_UTC_DIFF", QRect(42, 22, 260, 18));
    SB_UTC_DIFF->setRange(-12, 12);
    SB_UTC_DIFF->setValue(0);
    auto *plus = child(GroupBox5, plainLabel(QStringLiteral("+12"), GroupBox5), "lbl_utc_max", QRect(306, 22, 30, 18));
    Q_UNUSED(plus)
    lbl_utc_diff = child(GroupBox5, plainLabel(QStringLiteral("0"), GroupBox5), "lbl_utc_diff", QRect(160, 42, 40, 18));

    GroupBox3 = group(this, "GroupBox3", QStringLiteral(" Network "), QRect(266, 248, 497, 46), true);
    auto *bindLabel = child(GroupBox3, plainLabel(QStringLiteral("Bind To:"), GroupBox3), "lbl_bind", QRect(12, 18, 60, 20));
    ComboBox1 = child(GroupBox3, new QComboBox(GroupBox3), "ComboBox1", QRect(76, 16, 200, 24));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setEditText(QStringLiteral("0.0.0.0"));
    bindLabel->setBuddy(ComboBox1);

    btn_ABORT = new QPushButton(QStringLiteral("Abort"), this);
    btn_ABORT->setObjectName(QStringLiteral("btn_ABORT"));
    btn_ABORT->setGeometry(8, 302, 110, 32);
    btn_ABORT->setAutoDefault(false);
    btn_SAVE = new QPushButton(QStringLiteral("Save"), this);
    btn_SAVE->setObjectName(QStringLiteral("btn_SAVE"));
    btn_SAVE->setGeometry(653, 302, 110, 32);
    btn_SAVE->setAutoDefault(false);
    Image1 = plainLabel(QString(), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(ClientWidth / 2 - 17, 302, 34, 34);
    Image1->setPixmap(pictures::program_icon(34));

    for (QScrollBar *sb : {SB_Latitude, SB_longitude, SB_UTC_DIFF}) {
        QLabel *label = sb == SB_Latitude ? lbl_Latitude : sb == SB_longitude ? lbl_longitude : lbl_utc_diff;
        // SB_LatitudeChange, SB_longitudeChange, SB_UTC_DIFFChange
        connect(sb, &QScrollBar::valueChanged, label, [label](int v) { label->setText(QString::number(v)); });
    }
    connect(btn_ABORT, &QPushButton::clicked, this, &SetupDialog::btn_ABORTClick);
    connect(btn_SAVE, &QPushButton::clicked, this, &SetupDialog::btn_SAVEClick);

    FormCreate();
}

void SetupDialog::FormCreate()
{
    ComboBox1->clear();
    ComboBox1->addItems(bind_address_list());
    const int index = IniFile(m_settingsPath).readInteger(keys::AudioBind, keys::BindToIndex, 0);
    ComboBox1->setCurrentIndex(index >= 0 && index < ComboBox1->count() ? index : 0);
}

void SetupDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
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

void SetupDialog::FormShow()
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

    S_mmsi_in = mmsi;
    S_group_in = groupMmsi;
    mask_mmsi->setText(S_mmsi_in);
    Mask_group->setText(S_group_in);

    // QScrollBar keeps a value inside its range; an unchanged value emits nothing.
    SB_Latitude->setValue(ini.readInteger(keys::Gps, keys::LatitudeRead, 41));
    SB_longitude->setValue(ini.readInteger(keys::Gps, keys::LongitudeRead, 9));
    SB_UTC_DIFF->setValue(ini.readInteger(keys::Gps, keys::UtcSetupRead, 0));

    const QString ns = ini.readString(keys::Gps, keys::NorthSouthRead, QStringLiteral("N"));
    (ns == QLatin1String("N") ? RB_Nord : RB_Sud)->setChecked(true);
    const QString ew = ini.readString(keys::Gps, keys::EastWestRead, QStringLiteral("E"));
    (ew == QLatin1String("E") ? RB_est : RB_ovest)->setChecked(true);

    chk_position->setChecked(ini.readInteger(keys::Radio, keys::RestorePosition, 0) == 1);
    chk_radio->setChecked(ini.readInteger(keys::Radio, keys::ShowRadio, 0) == 1);

    btn_ABORT->setFocus(Qt::OtherFocusReason);
}

void SetupDialog::btn_ABORTClick()
{
    if (m_closing)
        return;
    mask_mmsi->setText(S_mmsi_in);
    Mask_group->setText(S_group_in);
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
    return ComboBox1->currentText();
}

void SetupDialog::btn_SAVEClick()
{
    // A changed field with unfilled positions may not be left, not even by Save.
    if (!mask_mmsi->validateEdit() || !Mask_group->validateEdit())
        return;
    IniFile ini(m_settingsPath);
    try {
        ini.writeString(keys::Radio, keys::Mmsi, mask_mmsi->text());
        ini.writeString(keys::Radio, keys::Group, Mask_group->text());
        ini.writeInteger(keys::Radio, keys::Mode, modeIndex());
        ini.writeInteger(keys::Gps, keys::LatitudeWrite, SB_Latitude->value());
        ini.writeInteger(keys::Gps, keys::LongitudeWrite, SB_longitude->value());
        ini.writeInteger(keys::Gps, keys::Utc, SB_UTC_DIFF->value());
        ini.writeString(keys::Gps, keys::NorthSouthWrite, RB_Nord->isChecked() ? QStringLiteral("N") : QStringLiteral("S"));
        ini.writeString(keys::Gps, keys::EastWestWrite, RB_est->isChecked() ? QStringLiteral("E") : QStringLiteral("W"));
        ini.writeInteger(keys::Radio, keys::RestorePosition, chk_position->isChecked() ? 1 : 0);
        ini.writeInteger(keys::Radio, keys::ShowRadio, chk_radio->isChecked() ? 1 : 0);
        ini.writeInteger(keys::AudioBind, keys::BindToIndex,
                         ComboBox1->findText(ComboBox1->currentText(), Qt::MatchExactly));
    } catch (const IniWriteError &error) {
        modal::show_error(error.message());
        return;
    }
    // The window rebinds the voice receiver to bindAddress().
    accept();
}

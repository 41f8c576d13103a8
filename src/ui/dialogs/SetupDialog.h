#pragma once

#include <QDialog>

#include "core/text/ShortText.h"

class MaskEdit;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The station keys editor: reads its values straight from the settings file
// when shown and writes them back on "Save".
class SetupDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 771;
    static constexpr int ClientHeight = 342;

    explicit SetupDialog(const QString &settingsPath, QWidget *parent = nullptr);

    void abort();
    void save();

    // How long the restored fields are seen before Abort closes the dialog.
    static constexpr int AbortPauseMs = 500;

    // The bind address chosen: the voice receiver's after a Save.
    QString bindAddress() const;

    QGroupBox *stationFrame = nullptr, *mmsiFrame = nullptr, *groupFrame = nullptr, *modeFrame = nullptr,
              *optionsFrame = nullptr, *networkFrame = nullptr, *gpsFrame = nullptr, *latitudeFrame = nullptr,
              *longitudeFrame = nullptr, *utcFrame = nullptr;
    MaskEdit *mmsiEdit = nullptr, *groupEdit = nullptr;
    QRadioButton *modeStandAlone = nullptr, *modeNetwork = nullptr;
    QButtonGroup *modeGroup = nullptr;
    QCheckBox *savePositionBox = nullptr, *showRadioBox = nullptr;
    QComboBox *bindAddressBox = nullptr;
    QScrollBar *latitudeBar = nullptr, *longitudeBar = nullptr, *utcBar = nullptr;
    QLabel *latitudeValue = nullptr, *longitudeValue = nullptr, *utcValue = nullptr;
    QRadioButton *northButton = nullptr, *southButton = nullptr, *westButton = nullptr, *eastButton = nullptr;
    QPushButton *abortButton = nullptr, *saveButton = nullptr;
    QLabel *logo = nullptr;

    ShortText<9> shownMmsi;
    ShortText<9> shownGroup;

    // The selected item of the mode group: 0, 1, or -1 for none.
    int modeIndex() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillBindAddresses();
    void prepareToShow();
    void setModeIndex(int index);

    QString m_settingsPath;
    bool m_closing = false;
};

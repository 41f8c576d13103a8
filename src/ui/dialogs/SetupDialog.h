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

    void btn_ABORTClick();
    void btn_SAVEClick();

    // How long the restored fields are seen before Abort closes the dialog.
    static constexpr int AbortPauseMs = 500;

    // The bind address chosen: the voice receiver's after a Save.
    QString bindAddress() const;

    QGroupBox *GroupBox4 = nullptr, *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GRoupMode = nullptr,
              *GroupOptions = nullptr, *GroupBox3 = nullptr, *GroupBox8 = nullptr, *GroupBox9 = nullptr,
              *GroupBox10 = nullptr, *GroupBox5 = nullptr;
    MaskEdit *mask_mmsi = nullptr, *Mask_group = nullptr;
    QRadioButton *modeStandAlone = nullptr, *modeNetwork = nullptr;
    QButtonGroup *modeGroup = nullptr;
    QCheckBox *chk_position = nullptr, *chk_radio = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QScrollBar *SB_Latitude = nullptr, *SB_longitude = nullptr, *SB_UTC_DIFF = nullptr;
    QLabel *lbl_Latitude = nullptr, *lbl_longitude = nullptr, *lbl_utc_diff = nullptr;
    QRadioButton *RB_Nord = nullptr, *RB_Sud = nullptr, *RB_ovest = nullptr, *RB_est = nullptr;
    QPushButton *btn_ABORT = nullptr, *btn_SAVE = nullptr;
    QLabel *Image1 = nullptr;

    ShortText<9> S_mmsi_in;
    ShortText<9> S_group_in;

    // The selected item of the mode group: 0, 1, or -1 for none.
    int modeIndex() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void setModeIndex(int index);

    QString m_settingsPath;
    bool m_closing = false;
};

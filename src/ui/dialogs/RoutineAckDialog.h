#pragma once

#include "AckDialog.h"

#include "core/log/LogRow.h"

class QRadioButton;
class RadioGroup;
class QPushButton;

// Answers a routine call: able or unable to comply, on the proposed channel
// or on one of six.
class RoutineAckDialog : public AckDialog
{
    Q_OBJECT
public:
    RoutineAckDialog(QWidget *owner, const LogRow &row);

    QGroupBox *frame = nullptr;
    QLabel *titleLabel = nullptr, *mmsiLabel = nullptr, *channelLabel = nullptr;
    QRadioButton *ableButton = nullptr, *unableButton = nullptr;
    RadioGroup *channelGroup = nullptr;
    QPushButton *clearButton = nullptr;

    // The channel to send: the proposed one when none is selected.
    QString channel() const;
    bool able() const;

    void channelClicked(int index);
    void clearChannel();

protected:
    void prepareToShow() override;

private:
    LogRow m_row;
};

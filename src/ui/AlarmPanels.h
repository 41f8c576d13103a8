#pragma once

#include <QColor>
#include <QObject>
#include <array>

#include "core/log/AlarmState.h"

class AlarmPanel;
class QTimer;
class QWidget;

// The four alarm panels right of the page tabs. While an alarm class is
// raised its panel flips between the resting and the alarm colour on every
// tick of its timer (300 ms).
class AlarmPanels : public QObject
{
    Q_OBJECT
public:
    // Panels placed at left, top in parent.
    AlarmPanels(AlarmState &alarms, QWidget *parent, int left, int top);

    AlarmPanel *panel(AlarmClass alarm) const;
    QTimer *timer(AlarmClass alarm) const;
    bool isFlashing(AlarmClass alarm) const;
    // One flip of the panel's colour, as its timer does.
    void tick(AlarmClass alarm);

private:
    struct Flasher
    {
        AlarmPanel *panel = nullptr;
        QTimer *timer = nullptr;
        QColor resting;
        QColor alarm;
    };
    const Flasher *flasher(AlarmClass alarm) const;
    void follow(AlarmClass alarm, bool raised);

    std::array<Flasher, 4> m_flashers;
};

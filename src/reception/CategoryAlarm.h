#pragma once

#include <QColor>
#include <QObject>

class CurvyPanel;
class QTimer;

// One alarm class: its rounded panel flashes between the resting and the
// alarm colour on every tick of its timer while the alarm is on.
class CategoryAlarm : public QObject
{
    Q_OBJECT
public:
    CategoryAlarm(CurvyPanel *panel, QTimer *timer, const QColor &resting, const QColor &alarm,
                  QObject *parent = nullptr);

    bool isOn() const;
    // Starting a running alarm changes nothing.
    void start();
    // Off, and the panel back in its resting colour whatever it showed.
    void stop();
    void tick();

    CurvyPanel *panel() const { return m_panel; }
    QColor restingColour() const { return m_resting; }
    QColor alarmColour() const { return m_alarm; }

private:
    CurvyPanel *m_panel;
    QTimer *m_timer;
    QColor m_resting;
    QColor m_alarm;
};

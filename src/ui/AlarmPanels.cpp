#include "AlarmPanels.h"

#include "StationColours.h"
#include "ui/widgets/AlarmPanel.h"

#include <QTimer>

namespace {
int indexOf(AlarmClass alarm)
{
    return int(alarm) - int(AlarmClass::Distress);
}
} // namespace

AlarmPanels::AlarmPanels(AlarmState &alarms, QWidget *parent, int left, int top) : QObject(parent)
{
    struct PanelLook
    {
        const char *name, *caption, *captionName, *timerName;
        QColor resting, alarm;
    };
    const PanelLook looks[] = {
        {"pnl_distress", "DISTRESS", "lbl_distress", "timer_distress", station_colours::Distress, QColor(255, 0, 0)},
        {"pnl_routine", "ROUTINE", "lbl_routine", "timer_routine", station_colours::Routine, QColor(0, 255, 0)},
        {"pnl_request", "REQUEST", "Label1", "timer_request", station_colours::Request, QColor(255, 255, 0)},
        {"pnl_report", "REPORT", "lbl_report", "timer_report", station_colours::Report, QColor(0, 255, 255)},
    };
    const int width = 90, gap = 4;
    for (int i = 0; i < 4; ++i) {
        const PanelLook &s = looks[i];
        Flasher &f = m_flashers[size_t(i)];
        f.panel = new AlarmPanel(QLatin1String(s.caption), QLatin1String(s.captionName), parent);
        f.panel->setObjectName(QLatin1String(s.name));
        f.panel->setGeometry(left + i * (width + gap), top, width, 24);
        f.panel->raise();
        f.panel->setColor(s.resting);
        f.timer = new QTimer(this);
        f.timer->setObjectName(QLatin1String(s.timerName));
        f.timer->setInterval(300);
        f.resting = s.resting;
        f.alarm = s.alarm;
        const AlarmClass alarm = AlarmClass(i + int(AlarmClass::Distress));
        connect(f.timer, &QTimer::timeout, this, [this, alarm] { tick(alarm); });
    }
    connect(&alarms, &AlarmState::changed, this, &AlarmPanels::follow);
}

const AlarmPanels::Flasher *AlarmPanels::flasher(AlarmClass alarm) const
{
    const int i = indexOf(alarm);
    return i >= 0 && i < int(m_flashers.size()) ? &m_flashers[size_t(i)] : nullptr;
}

AlarmPanel *AlarmPanels::panel(AlarmClass alarm) const
{
    const Flasher *f = flasher(alarm);
    return f ? f->panel : nullptr;
}

QTimer *AlarmPanels::timer(AlarmClass alarm) const
{
    const Flasher *f = flasher(alarm);
    return f ? f->timer : nullptr;
}

bool AlarmPanels::isFlashing(AlarmClass alarm) const
{
    const Flasher *f = flasher(alarm);
    return f && f->timer->isActive();
}

void AlarmPanels::tick(AlarmClass alarm)
{
    if (const Flasher *f = flasher(alarm))
        f->panel->setColor(f->panel->color() == f->resting ? f->alarm : f->resting);
}

void AlarmPanels::follow(AlarmClass alarm, bool raised)
{
    const Flasher *f = flasher(alarm);
    if (!f)
        return;
    if (raised) {
        if (!f->timer->isActive())
            f->timer->start();
        return;
    }
    f->timer->stop();
    f->panel->setColor(f->resting);
}

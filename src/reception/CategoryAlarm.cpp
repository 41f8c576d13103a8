#include "CategoryAlarm.h"

#include "platform/CurvyPanel.h"

#include <QTimer>

CategoryAlarm::CategoryAlarm(CurvyPanel *panel, QTimer *timer, const QColor &resting, const QColor &alarm,
                             QObject *parent)
    : QObject(parent), m_panel(panel), m_timer(timer), m_resting(resting), m_alarm(alarm)
{
}

bool CategoryAlarm::isOn() const
{
    return m_timer->isActive();
}

void CategoryAlarm::start()
{
    if (!m_timer->isActive())
        m_timer->start();
}

void CategoryAlarm::stop()
{
    m_timer->stop();
    m_panel->setColor(m_resting);
}

void CategoryAlarm::tick()
{
    m_panel->setColor(m_panel->color() == m_resting ? m_alarm : m_resting);
}

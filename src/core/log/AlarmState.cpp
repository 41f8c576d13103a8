#include "AlarmState.h"

AlarmState::AlarmState(QObject *parent) : QObject(parent) {}

bool AlarmState::isRaised(AlarmClass alarm) const
{
    return m_raised[size_t(alarm)];
}

void AlarmState::raise(AlarmClass alarm)
{
    if (alarm == AlarmClass::None || m_raised[size_t(alarm)])
        return;
    m_raised[size_t(alarm)] = true;
    emit changed(alarm, true);
}

void AlarmState::clear(AlarmClass alarm)
{
    if (alarm == AlarmClass::None)
        return;
    m_raised[size_t(alarm)] = false;
    emit changed(alarm, false);
}

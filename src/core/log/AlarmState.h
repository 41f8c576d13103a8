#pragma once

#include <QObject>
#include <array>

// The station's alarm classes, each with a panel that flashes while it is raised.
enum class AlarmClass { None, Distress, Routine, Request, Report };

// Which alarm classes are raised. The window flashes their panels.
class AlarmState : public QObject
{
    Q_OBJECT
public:
    explicit AlarmState(QObject *parent = nullptr);

    bool isRaised(AlarmClass alarm) const;
    // Raising a raised alarm changes nothing; AlarmClass::None is never raised.
    void raise(AlarmClass alarm);
    // Always says so, raised or not: the panel goes back to rest either way.
    void clear(AlarmClass alarm);

signals:
    void changed(AlarmClass alarm, bool raised);

private:
    std::array<bool, 5> m_raised{};
};

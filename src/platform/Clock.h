#pragma once

#include <QDateTime>
#include <functional>

// The local clock the station reads; tests set it.
namespace station_clock {

QDateTime now();
// An empty function restores the system clock.
void set(std::function<QDateTime()> clock);

} // namespace station_clock

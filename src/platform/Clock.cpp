#include "Clock.h"

namespace station_clock {

namespace {
std::function<QDateTime()> &current()
{
    static std::function<QDateTime()> clock;
    return clock;
}
} // namespace

QDateTime now()
{
    return current() ? current()() : QDateTime::currentDateTime();
}

void set(std::function<QDateTime()> clock)
{
    current() = std::move(clock);
}

} // namespace station_clock

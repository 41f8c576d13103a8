#pragma once

#include <QEventLoop>
#include <QTimer>

// Lets real-time audio (and everything else in the event loop) run for a while.
inline void run_for(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

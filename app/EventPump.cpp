#include "EventPump.h"

#include <QCoreApplication>

void EventPump::operator()()
{
    if (++calls % kCallsPerClockCheck != 0)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now - last < kInterval)
        return;
    last = now;
    QCoreApplication::processEvents();
}

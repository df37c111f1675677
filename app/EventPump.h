#pragma once

#include <chrono>

// Keeps the windows alive during a scan that runs on the user-interface
// thread. Called once per directory entry; dispatching pending events costs
// far more than an entry, so it looks at the clock only every few calls and
// dispatches at most every 10 milliseconds.
class EventPump {
public:
    void operator()();

private:
    static constexpr unsigned kCallsPerClockCheck = 64;
    static constexpr std::chrono::milliseconds kInterval{10};

    unsigned calls = 0;
    std::chrono::steady_clock::time_point last = std::chrono::steady_clock::now();
};

#pragma once

#include <functional>
#include <thread>

// Starts a thread that runs work, or throws std::system_error when the
// system has none to give (a task limit, say). A walk takes one so that a
// test can make starting fail.
using ThreadStarter = std::function<std::thread(std::function<void()> work)>;

inline std::thread StartThread(std::function<void()> work)
{
    return std::thread(std::move(work));
}

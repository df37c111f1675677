#pragma once

#include "ThreadStarter.h"

#include <memory>
#include <system_error>

// A thread starter that starts `count` threads and then, as a system out of
// tasks does, throws.
inline ThreadStarter LimitedThreads(int count)
{
    auto left = std::make_shared<int>(count);
    return [left](std::function<void()> work) {
        if (*left == 0)
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        --*left;
        return std::thread(std::move(work));
    };
}

#include "WalkerCount.h"

#include <algorithm>
#include <thread>

int WalkerCount::Processors()
{
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 2, 16);
}

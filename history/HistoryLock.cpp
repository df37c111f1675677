#include "HistoryLock.h"

#include <fcntl.h>
#include <sys/file.h>

HistoryLock::HistoryLock(const std::string& folder)
    : fd(open((folder + "/.lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600))
{
    held = fd.Get() >= 0 && flock(fd.Get(), LOCK_EX | LOCK_NB) == 0;
}

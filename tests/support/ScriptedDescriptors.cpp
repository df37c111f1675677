#include "ScriptedDescriptors.h"

#include <cerrno>
#include <utility>

template <typename Opener>
int ScriptedDescriptors::Counted(int& error, Opener opener)
{
    if (++opens > maxOpens) {
        error = ECANCELED;
        return -1;
    }
    // Taken before the open, as the kernel takes its number; an open
    // refused never holds one, even for a moment, as none does in the
    // kernel: otherwise two refused opens would make a third fail.
    std::size_t held = open.load();
    do {
        if (held >= limit) {
            if (refused)
                std::exchange(refused, nullptr)();
            error = EMFILE;
            return -1;
        }
    } while (!open.compare_exchange_weak(held, held + 1));
    const int fd = opener();
    if (fd < 0)
        --open;
    return fd;
}

int ScriptedDescriptors::OpenPath(const char* path, int& error)
{
    return Counted(error, [&] { return DescriptorCalls::OpenPath(path, error); });
}

int ScriptedDescriptors::OpenChild(int parent, const char* name, int& error)
{
    return Counted(error, [&] { return DescriptorCalls::OpenChild(parent, name, error); });
}

void ScriptedDescriptors::Close(int fd)
{
    --open;
    DescriptorCalls::Close(fd);
}

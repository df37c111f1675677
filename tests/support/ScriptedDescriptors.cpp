#include "ScriptedDescriptors.h"

#include <cerrno>

template <typename Opener>
int ScriptedDescriptors::Counted(int& error, Opener opener)
{
    if (++opens > maxOpens) {
        error = ECANCELED;
        return -1;
    }
    // Taken before the open, as the kernel takes the lowest free number.
    if (++open > limit) {
        --open;
        error = EMFILE;
        return -1;
    }
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

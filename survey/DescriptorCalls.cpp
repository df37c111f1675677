#include "DescriptorCalls.h"

#include "DescriptorBudget.h"
#include "OpenDirectory.h"

#include <unistd.h>

std::size_t DescriptorCalls::Budget()
{
    return DescriptorBudget();
}

int DescriptorCalls::OpenPath(const char* path, int& error)
{
    return OpenDirectory(path, error);
}

int DescriptorCalls::OpenChild(int parent, const char* name, int& error)
{
    return OpenBelow(parent, name, error);
}

void DescriptorCalls::Close(int fd)
{
    close(fd);
}

#include "LocalHostName.h"

#include <climits>
#include <unistd.h>

std::string LocalHostName()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

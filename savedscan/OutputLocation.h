#pragma once

#include "UniqueFd.h"

#include <sys/stat.h>

#include <string>

// Where a path to be written leads, found the way the kernel would find it
// but one name at a time, each looked up in the directory descriptor the
// step before opened: a name swapped for a link between two steps changes
// nothing, since no step looks the path up again. A symbolic link is
// followed only where the kernel's protection of shared directories would
// follow it: in a sticky directory that anyone may write to, only a link
// the caller or the directory's owner made.
struct OutputLocation {
    UniqueFd directory; // opened with O_PATH; holds the entry
    struct stat directoryStat {};
    std::string name; // of the entry in directory
    UniqueFd entry;   // opened with O_PATH | O_NOFOLLOW; not valid when there is no entry yet
    struct stat entryStat {};

    // False, with the reason in problem, when path leads nowhere that can be
    // written, or through a link that is not to be followed.
    bool Find(const std::string& path, std::string& problem);

    // Whether directory is sticky and anyone may write to it, as /tmp.
    bool InSharedDirectory() const;
    // Whether the entry stands where another user could have planted it: in
    // a shared directory, owned by neither the caller nor the directory's
    // owner.
    bool PlantedByAnotherUser() const;
};

#include "OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

mode_t CreationMask()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

} // namespace

OutputFile::~OutputFile()
{
    if (temporary.empty())
        return;
    close(fd);
    unlink(temporary.c_str());
}

bool OutputFile::Open()
{
    if (path == "-") {
        fd = STDOUT_FILENO;
        return true;
    }
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string pattern = folder + "." + name + ".XXXXXX";
    fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    temporary = pattern;
    // mkostemp makes the file private; the export gets the usual permissions.
    return fchmod(fd, 0666 & ~CreationMask()) == 0;
}

bool OutputFile::Commit()
{
    if (temporary.empty())
        return true;
    const int closing = fd;
    fd = -1;
    if (close(closing) != 0 || rename(temporary.c_str(), path.c_str()) != 0)
        return false;
    temporary.clear();
    return true;
}

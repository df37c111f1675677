#include "OutputFile.h"

#include "Drives.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

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
    if (fd > STDERR_FILENO)
        close(fd);
    if (!temporary.empty())
        unlink(temporary.c_str());
}

bool OutputFile::Open()
{
    if (path == "-") {
        fd = STDOUT_FILENO;
        return true;
    }
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return OpenTemporary(path);
    if (S_ISREG(st.st_mode))
        return OpenTemporary(Drives::CanonicalPath(path));
    fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    return fd >= 0;
}

bool OutputFile::OpenTemporary(const std::string& file)
{
    target = file;
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
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
        return fd == STDOUT_FILENO || close(std::exchange(fd, -1)) == 0;
    if (close(std::exchange(fd, -1)) != 0 || rename(temporary.c_str(), target.c_str()) != 0)
        return false;
    temporary.clear();
    return true;
}

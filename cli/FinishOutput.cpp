#include "FinishOutput.h"

#include <cerrno>
#include <cstring>

int FinishOutput(std::ostream& out, std::ostream& err, int status)
{
    out.flush();
    return out ? status : WriteFailed(errno, err);
}

int WriteFailed(int error, std::ostream& err)
{
    if (error == EPIPE)
        return 1;
    err << "kelmo: write error";
    if (error != 0)
        err << ": " << std::strerror(error);
    err << '\n';
    return 1;
}

int CannotWrite(const std::string& file, int error, const std::string& reason, std::ostream& err)
{
    if (error == EPIPE)
        return 1;
    if (file == "-")
        return WriteFailed(error, err);
    err << "kelmo: cannot write '" << file << "': " << reason << '\n';
    return 1;
}

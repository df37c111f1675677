#include "FinishOutput.h"

#include <cerrno>
#include <cstring>

int FinishOutput(std::ostream& out, std::ostream& err, int status)
{
    out.flush();
    if (out)
        return status;
    if (errno == EPIPE)
        return 1;
    err << "kelmo: write error";
    if (errno != 0)
        err << ": " << std::strerror(errno);
    err << '\n';
    return 1;
}

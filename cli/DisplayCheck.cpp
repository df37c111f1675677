#include "DisplayCheck.h"

#include <cstdlib>
#include <sstream>
#include <string>

namespace {

bool IsSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// QT_QPA_PLATFORM is a ";"-separated list of platforms tried in turn, each
// perhaps with ":options".
bool PlatformNeedsNoDisplay()
{
    const char* platforms = std::getenv("QT_QPA_PLATFORM");
    std::istringstream list(platforms ? platforms : "");
    std::string platform;
    while (std::getline(list, platform, ';')) {
        const std::string name = platform.substr(0, platform.find(':'));
        if (!name.empty() && name != "xcb" && name.rfind("wayland", 0) != 0)
            return true;
    }
    return false;
}

} // namespace

const char* const kNoDisplayMessage = "kelmo: cannot open the window: no display (set DISPLAY, or use --report)";

bool DisplayReachable()
{
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || PlatformNeedsNoDisplay();
}

#include "TKelmoApp.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    TKelmoApp app(argc, argv);
    return app.Run(std::vector<std::string>(argv + 1, argv + argc));
}

#pragma once

#include <string>

// The name of this machine, as hostname prints it; empty when it has none.
std::string LocalHostName();

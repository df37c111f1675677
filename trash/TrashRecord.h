#pragma once

#include <ctime>
#include <string>
#include <string_view>

// The .trashinfo record of an entry moved to the trash at when (local
// time): where it came from, as a URI path, so that a name holding a
// newline, "%" or bytes that are not UTF-8 still gives one valid line.
std::string TrashRecord(std::string_view path, std::time_t when);

// path with every byte but the unreserved ones and "/" written as %XX.
std::string PercentEncoded(std::string_view path);

#pragma once

#include <string>

// A name as the report writes it, on one line: control bytes as \xhh (two
// lower-case hex digits), a backslash as \\.
std::string EscapedName(const std::string& name);

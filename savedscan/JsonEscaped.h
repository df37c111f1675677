#pragma once

#include <string>
#include <string_view>

// Appends text to out as the inside of a JSON string: '"', '\' and the bytes
// below 0x20 and 0x7f escaped, every other byte as it is (so that a name
// that is not UTF-8 comes back the same from a reader that keeps bytes).
void AppendJsonEscaped(std::string& out, std::string_view text);

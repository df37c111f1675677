#pragma once

#include <string>
#include <string_view>

// Appends "key":"name" to out, name being raw file-name bytes. A name that
// is UTF-8 is written as it is (escaped as JSON requires); any other gets
// each byte that is not part of a UTF-8 character shown as U+FFFD, and a
// field "key_bytes" beside it with all its bytes in base64 (RFC 4648, with
// padding), so that it can be had back exactly.
void AppendJsonName(std::string& out, std::string_view key, std::string_view name);

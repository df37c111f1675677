#pragma once

#include <cstddef>
#include <string_view>

// Writes all of bytes to the descriptor fd, again after an interrupted or
// short write. Returns 0, or the errno value of the write that failed (EIO
// for one that wrote nothing).
int WriteAll(int fd, std::string_view bytes);

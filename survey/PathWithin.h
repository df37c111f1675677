#pragma once

#include <string_view>

// Whether the absolute path names folder itself or something below it, by
// whole names: /srv/data is within /srv, /srvx is not, everything is
// within /.
bool IsWithin(std::string_view path, std::string_view folder);

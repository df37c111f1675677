#pragma once

#include <QString>

#include <string>

// A file name's bytes as text to show. Bytes that are not valid UTF-8 show as
// replacement characters, so such a name is never dropped and never turns
// into another name.
QString DisplayName(const std::string& bytes);

#pragma once

#include <QString>

#include <cstdint>
#include <string>

// The text of one legend entry: the first 12 characters of the name, then
// spaces so that the size ends in column 26 of the fixed-pitch font, then the
// size with thousands separators. No space when the two parts fill 26 columns.
// The name is raw file-name bytes; bytes that are not valid text show as
// replacement characters and never affect the size part.
QString EntryText(const std::string& name, std::int64_t size);

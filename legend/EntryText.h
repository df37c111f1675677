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
// The same with another text in the size's place (a change since an earlier scan).
QString EntryText(const std::string& name, const QString& sizePart);

// What a pointer resting on an entry or its slice shows: the whole name, the
// size in bytes with thousands separators, and its share of the directory on
// display ("41.3 % of /home/ann/"), one per line.
QString EntryToolTip(const std::string& name, std::int64_t size, std::int64_t directoryBytes,
                     const QString& directoryPath);

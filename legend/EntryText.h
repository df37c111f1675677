#pragma once

#include "DirNode.h"
#include "FormatBytes.h"

#include <QString>

#include <cstdint>
#include <string>

// A name as the legend shows it: raw file-name bytes as text (bytes that are
// not valid text show as replacement characters), a line break as "\n".
QString ShownName(const std::string& name);

// The text of one legend entry as a line of characters, which is what
// KeyBox::Text gives (the drawing measures the name instead, see
// EntryLayout; a screen reader hears EntrySpokenText): the first 12 characters of the name, then
// spaces so that the size ends in column 26 of the fixed-pitch font, then the
// size in the given units. No space when the two parts fill 26 columns.
// Bytes of the name that are not valid text never affect the size part.
QString EntryText(const std::string& name, std::int64_t size, SizeUnits units = SizeUnits::Bytes);
// The same with another text in the size's place (a change since an earlier scan).
QString EntryText(const std::string& name, const QString& sizePart);

// A size as a person reads it: "1,234 bytes", or in binary units "1.2 MiB".
QString SizeText(std::int64_t size, SizeUnits units);

// What a screen reader says of an entry, whole: "src, 1,234 bytes, 43.6 %".
QString EntrySpokenText(const QString& name, const QString& size, const QString& share);

// An entry's share of whole, with one decimal ("43.6 %"); none of nothing.
QString ShareText(std::int64_t size, std::int64_t whole);

// What a pointer resting on an entry or its slice shows: the whole name, the
// size ("1,234 bytes", or in binary units), and its share of the directory on
// display ("41.3 % of /home/ann/"), one per line.
QString EntryToolTip(const std::string& name, std::int64_t size, std::int64_t directoryBytes,
                     const QString& directoryPath, SizeUnits units = SizeUnits::Bytes);
// The same for a directory further down, with its path below its name.
QString DirectoryToolTip(const std::string& name, const QString& path, std::int64_t size, std::int64_t directoryBytes,
                         const QString& directoryPath, SizeUnits units);
// What a tooltip adds of a directory: how many items it holds ("1,234
// items") and, when it could not be read whole, why.
QString DirectoryFacts(const DirNode& node);
// Qt shows a tooltip that looks like HTML as rich text: a folder named
// "<b>x</b>" must show its name as it is.
QString AsPlainText(const QString& text);

#pragma once

#include "FormatBytes.h"

#include <QString>

#include <cstdint>

// Numbers as the window shows them: with the group separator and decimal
// point of the locale (QLocale()), "1.234.567" in German, where the command
// line always writes "1,234,567". The C locale's marks are the command
// line's. The lowest of the window's libraries holds them, as every picture,
// key and window shows sizes.
NumberMarks LocaleNumberMarks();

// FormatBytes and FormatSize with the locale's marks.
QString LocalBytes(std::int64_t value);
QString LocalSize(std::int64_t value, SizeUnits units);

// "1 item", "1.234 items" in the window's language.
QString LocalItems(std::int64_t items);

#pragma once

#include <cstdint>
#include <string>

// The marks numbers are written with. The command line keeps the default
// ones in every locale, as scripts read its output; the window passes its
// locale's ("." and "," in German, a narrow no-break space in French).
struct NumberMarks {
    std::string groupSeparator = ",";
    std::string decimalPoint = ".";
};

// A byte count as decimal text with the group separator between groups of
// three digits: 1234567 gives "1,234,567", -1234 gives "-1,234".
std::string FormatBytes(std::int64_t value, const NumberMarks& marks = {});

// How sizes are shown: exact byte counts, or binary units as du -h gives them.
enum class SizeUnits { Bytes, Binary };

// A size in the chosen units. Bytes is FormatBytes; Binary rounds up, as du -h
// does, to one decimal under 10 and to whole units above: "512 B", "1.0 KiB",
// "1.2 GiB", "340 MiB".
std::string FormatSize(std::int64_t value, SizeUnits units, const NumberMarks& marks = {});

#pragma once

#include <stdexcept>

// Ends a parse that must go no further, whatever RapidJSON was doing.
struct ParseStopped : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// No input may trip an assertion of the parser: where one would abort, the
// read ends like one of damaged data. RapidJSON is included from here alone,
// so that every file that uses it builds the parser with this assertion.
#define RAPIDJSON_ASSERT(x) ((x) ? static_cast<void>(0) : throw ParseStopped("the parser lost its way"))
#include <rapidjson/reader.h>

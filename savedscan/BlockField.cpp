#include "BlockField.h"

namespace {

struct FieldRule {
    const char* name;
    const char* expected;
};

const char* const kSize = "a whole number from 0 to 9223372036854775807";
const char* const kNumber = "a whole number from 0 to 18446744073709551615";
const char* const kFlag = "true or false";

// Indexed by Field.
const FieldRule kRules[] = {
    {"", ""},          {"name", "a string"}, {"asize", kSize},   {"dsize", kSize},      {"dev", kNumber},
    {"ino", kNumber},  {"hlnkc", kFlag},     {"nlink", kNumber}, {"read_error", kFlag}, {"excluded", "a string"},
    {"notreg", kFlag}, {"progname", ""},     {"timestamp", ""},  {"files", kSize},      {"host", ""},
};

} // namespace

std::string FieldMustBe(Field field)
{
    const FieldRule& rule = kRules[static_cast<int>(field)];
    return std::string(rule.name) + " must be " + rule.expected;
}

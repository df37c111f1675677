#pragma once

#include <cstdint>
#include <string>

// The file name of a recording: its UTC time in ISO 8601's basic form, so
// that names sort as times do and hold nothing a shell or scp trips on:
// "20261209T072600Z.json.zst".
class RecordingName {
public:
    static std::string For(std::int64_t time);
    // The time a recording's name stands for; false for any other name.
    static bool Parse(const std::string& name, std::int64_t& time);
};

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// One JSON value that is not an object or an array.
struct Scalar {
    enum Type : std::uint8_t { Null, Boolean, Unsigned, Negative, Fraction, Text } type;
    std::uint64_t number = 0;
    const char* text = nullptr;
    std::size_t length = 0;
};

// The keys of an info block or of the metadata block that the reader uses.
enum class Field : std::uint8_t {
    Other,
    Name,
    Asize,
    Dsize,
    Dev,
    Ino,
    Hlnkc,
    Nlink,
    ReadError,
    Excluded,
    Notreg,
    Progname,
    Timestamp,
    Files, // Kelmo's own: how many files an entry that sums a directory's files stands for
    Host   // Kelmo's own, in the metadata block: the machine the scan was made on
};

// The metadata is read leniently: a value of another type is passed over.
inline bool OfMetadata(Field field)
{
    return field == Field::Progname || field == Field::Timestamp || field == Field::Host;
}

inline Field FieldOf(const char* key, std::size_t length)
{
    const auto is = [&](const char* name) { return std::memcmp(key, name, length) == 0; };
    switch (length) {
    case 3:
        return is("dev") ? Field::Dev : is("ino") ? Field::Ino : Field::Other;
    case 4:
        return is("name") ? Field::Name : is("host") ? Field::Host : Field::Other;
    case 5:
        return is("asize") ? Field::Asize
            : is("files")  ? Field::Files
            : is("dsize")  ? Field::Dsize
            : is("hlnkc")  ? Field::Hlnkc
            : is("nlink")  ? Field::Nlink
                           : Field::Other;
    case 6:
        return is("notreg") ? Field::Notreg : Field::Other;
    case 8:
        return is("excluded") ? Field::Excluded : is("progname") ? Field::Progname : Field::Other;
    case 9:
        return is("timestamp") ? Field::Timestamp : Field::Other;
    case 10:
        return is("read_error") ? Field::ReadError : Field::Other;
    default:
        return Field::Other;
    }
}

// What a value of an info block's field must be, for a field given one of
// another type: "asize must be a whole number from 0 to ...".
std::string FieldMustBe(Field field);
